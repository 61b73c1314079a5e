#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QtGlobal>

namespace veltrano {

// Where time comes from: a monotonic count for countdowns (a suspended or
// busy machine, or a changed wall clock, gives no extra time) and the
// calendar for dating what the user did. Passed to whatever needs time, so
// that tests can script it.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since some fixed moment; never goes back.
    virtual qint64 monotonicMs() const = 0;
    // The local date and time now.
    virtual QDateTime now() const = 0;
};

// The machine's clocks. The monotonic count goes on while the machine is
// suspended (on Linux, CLOCK_BOOTTIME): closing the laptop's lid does not
// stop an exam's clock, as it would not stop a real exam.
class SystemClock final : public Clock {
public:
    SystemClock();
    qint64 monotonicMs() const override;
    QDateTime now() const override { return QDateTime::currentDateTime(); }

private:
    QElapsedTimer elapsed_; // where the count of time in suspend is not known
    qint64 startMs_ = 0;
};

// A clock that moves only when told to.
class ScriptedClock final : public Clock {
public:
    explicit ScriptedClock(QDateTime start = QDateTime(QDate(2026, 12, 1), QTime(9, 0)))
        : now_(std::move(start))
    {
    }
    qint64 monotonicMs() const override { return monotonicMs_; }
    QDateTime now() const override { return now_; }
    // Moves both clocks on.
    void advance(qint64 ms)
    {
        monotonicMs_ += ms;
        now_ = now_.addMSecs(ms);
    }
    // Moves only the calendar (the machine's date was changed).
    void setNow(const QDateTime &now) { now_ = now; }

private:
    qint64 monotonicMs_ = 0;
    QDateTime now_;
};

} // namespace veltrano
