#include "windows/progress_location.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace veltrano {

QString defaultProgressPath()
{
    // The program runs under its own names; the data folder is the one the
    // settings' names give. QStandardPaths reads the names from the
    // application object, so they are lent to it for the one call.
    const QString organisation = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    QCoreApplication::setOrganizationName(QStringLiteral("OrviTest"));
    QCoreApplication::setApplicationName(QStringLiteral("OrviTest"));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationName(application);
    return folder + QStringLiteral("/progress.sqlite");
}

} // namespace veltrano
