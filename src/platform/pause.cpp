#include "platform/pause.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <sys/prctl.h>

namespace fif {
namespace {

// A sleeping thread wakes some tens of microseconds after its deadline; the last stretch
// of a pause is waited out awake, so that a pause lasts its time and hardly more.
constexpr auto kAwakeStretch = std::chrono::microseconds(60);

}  // namespace

void PauseThisThread(std::chrono::microseconds duration) {
    thread_local const bool fineSlack = ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    (void)fineSlack;
    const auto deadline = std::chrono::steady_clock::now() + duration;
    if (duration > kAwakeStretch) {
        const auto wake = (deadline - kAwakeStretch).time_since_epoch();
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(wake);
        const timespec until{static_cast<time_t>(seconds.count()),
                             static_cast<long>(std::chrono::duration_cast<std::chrono::nanoseconds>(wake - seconds).count())};
        while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
        }
    }
    while (std::chrono::steady_clock::now() < deadline) {
    }
}

}  // namespace fif
