#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace veltrano::platform {

// One way of opening a page: a program started without a shell, with the
// address appended as its last argument.
struct LaunchCommand {
    QString program;
    QStringList arguments;

    friend bool operator==(const LaunchCommand &, const LaunchCommand &) = default;
};

// The commands tried in order on this platform.
QList<LaunchCommand> webLaunchCommands();

// Opens address in the user's browser: tries each launch command in turn and
// stops at the first that starts, then falls back to the desktop's URL
// handler. Failure is silent: there is nothing the user could do about it.
void openWebPage(const QString &address);

// Test seams: how a program is started (returns whether it started) and how
// the desktop's URL handler is asked (returns whether it accepted).
using ProcessStarter = std::function<bool(const QString &program, const QStringList &arguments)>;
using UrlOpener = std::function<bool(const QString &address)>;
void setWebLaunchers(ProcessStarter starter, UrlOpener opener);
void resetWebLaunchers();

} // namespace veltrano::platform
