#include "platform/pause.h"

#include <cerrno>
#include <ctime>
#include <sys/prctl.h>

namespace fif {

void PauseThisThread(std::chrono::microseconds duration) {
    thread_local const bool fineSlack = ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    (void)fineSlack;
    timespec remaining{static_cast<time_t>(duration.count() / 1000000),
                       static_cast<long>(duration.count() % 1000000) * 1000};
    while (::clock_nanosleep(CLOCK_MONOTONIC, 0, &remaining, &remaining) == EINTR) {
    }
}

}  // namespace fif
