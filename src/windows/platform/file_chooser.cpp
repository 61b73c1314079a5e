#include "windows/platform/file_chooser.h"

#include <QFileDialog>

namespace veltrano::platform {

QString NativeFileChooser::saveFileName(QWidget *parent, const QString &caption,
                                        const QString &suggestedPath, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
}

QString NativeFileChooser::openFileName(QWidget *parent, const QString &caption,
                                        const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

} // namespace veltrano::platform
