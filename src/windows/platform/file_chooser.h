#pragma once

#include <QString>

class QWidget;

namespace veltrano::platform {

// Where the user wants a file saved or read, asked through the desktop's
// file dialogs. Tests pass a chooser that answers from a script.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // An empty path when the user cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &caption,
                                 const QString &suggestedPath, const QString &filter) = 0;
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
};

class NativeFileChooser final : public FileChooser {
public:
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggestedPath,
                         const QString &filter) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
};

} // namespace veltrano::platform
