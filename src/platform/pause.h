#pragma once

#include <chrono>

namespace fif {

// Sleeps the calling thread for `duration`, as closely as the system allows. A search
// pauses once per file, so the system's default timer slack (50 us on Linux) would add up
// to a noticeable share of a paced search; the calling thread asks for the finest slack.
void PauseThisThread(std::chrono::microseconds duration);

}  // namespace fif
