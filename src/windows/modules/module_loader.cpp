#include "windows/modules/module_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace veltrano {

QString defaultModuleFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' +
                           QStringLiteral(VELTRANO_MODULE_RELATIVE_DIR));
}

QObject *loadModuleObject(const QString &folder, const QString &name, QString *error)
{
    // QPluginLoader keeps a loaded module and its root object until the
    // program ends.
    QPluginLoader loader(QDir(folder).filePath(name));
    QObject *object = loader.instance();
    if (!object && error)
        *error = loader.errorString();
    return object;
}

} // namespace veltrano
