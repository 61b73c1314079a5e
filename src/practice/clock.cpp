#include "practice/clock.h"

#if defined(Q_OS_LINUX)
#include <time.h>
#endif

namespace veltrano {

namespace {

#if defined(Q_OS_LINUX)
qint64 bootTimeMs()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<qint64>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}
#endif

} // namespace

SystemClock::SystemClock()
{
#if defined(Q_OS_LINUX)
    startMs_ = bootTimeMs();
#else
    elapsed_.start();
#endif
}

qint64 SystemClock::monotonicMs() const
{
#if defined(Q_OS_LINUX)
    return bootTimeMs() - startMs_;
#else
    return elapsed_.elapsed();
#endif
}

} // namespace veltrano
