#include "windows/platform/web_launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace veltrano::platform {

namespace {

bool startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool openWithDesktop(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

ProcessStarter &processStarter()
{
    static ProcessStarter starter = startDetached;
    return starter;
}

UrlOpener &urlOpener()
{
    static UrlOpener opener = openWithDesktop;
    return opener;
}

} // namespace

QList<LaunchCommand> webLaunchCommands()
{
#if defined(Q_OS_WIN)
    return {{QStringLiteral("c:\\program files\\internet explorer\\iexplore.exe"), {}},
            {QStringLiteral("command"), {QStringLiteral("/c"), QStringLiteral("start")}},
            {QStringLiteral("cmd"), {QStringLiteral("/c"), QStringLiteral("start")}}};
#elif defined(Q_OS_MACOS)
    return {{QStringLiteral("open"), {}}};
#else
    return {{QStringLiteral("xdg-open"), {}}};
#endif
}

void openWebPage(const QString &address)
{
    for (const LaunchCommand &command : webLaunchCommands()) {
        if (processStarter()(command.program, command.arguments + QStringList{address}))
            return;
    }
    urlOpener()(address);
}

void setWebLaunchers(ProcessStarter starter, UrlOpener opener)
{
    processStarter() = std::move(starter);
    urlOpener() = std::move(opener);
}

void resetWebLaunchers()
{
    setWebLaunchers(startDetached, openWithDesktop);
}

} // namespace veltrano::platform
