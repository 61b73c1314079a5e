#pragma once

#include <QString>

#include <chrono>

namespace veltrano::platform {

// The lock that lets one copy of the program at a time change the settings
// file: an advisory lock (flock) on an empty file beside it.
//
// The file is made once and kept, so a store never needs disk space for it,
// and holds nothing, so nothing in it can go stale: the system drops the lock
// when its holder ends, however it ends. A lock another copy holds is waited
// for only briefly, never without end.
class SettingsLock {
public:
    enum class Outcome {
        Held,        // this copy holds it until it goes
        Busy,        // another running copy held it all the while
        Unavailable, // no lock can be had here (a folder that cannot be written)
    };

    explicit SettingsLock(QString path) : path_(std::move(path)) {}
    ~SettingsLock();
    SettingsLock(const SettingsLock &) = delete;
    SettingsLock &operator=(const SettingsLock &) = delete;

    Outcome acquire(std::chrono::milliseconds patience);
    bool isHeld() const { return fd_ >= 0; }

private:
    QString path_;
    int fd_ = -1;
};

} // namespace veltrano::platform
