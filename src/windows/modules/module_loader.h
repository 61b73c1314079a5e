#pragma once

#include <QObject>
#include <QString>

namespace veltrano {

// Where the program's modules are installed: beside the program in the
// build, and in <libdir>/veltrano-test once installed (one relative path
// serves both).
QString defaultModuleFolder();

// The root object of module `name` (no prefix or suffix) in folder, loaded
// once and kept for the rest of the run; null with a reason in *error.
QObject *loadModuleObject(const QString &folder, const QString &name, QString *error);

template <typename Interface>
Interface *loadModule(const QString &folder, const QString &name, QString *error)
{
    QObject *object = loadModuleObject(folder, name, error);
    auto *found = qobject_cast<Interface *>(object);
    if (object && !found && error)
        *error = name + QStringLiteral(": wrong interface");
    return found;
}

} // namespace veltrano
