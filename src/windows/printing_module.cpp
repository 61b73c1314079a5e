// The printing module: Qt Print Support is loaded with it, when the user
// first prints.

#include "windows/modules/printing_module.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace veltrano {

class PrintingModule : public QObject, public DocumentPrinter {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VeltranoDocumentPrinter_iid)
    Q_INTERFACES(veltrano::DocumentPrinter)

public:
    bool printDocument(const QTextDocument &document, QWidget *parent) override
    {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, parent);
        dialog.setObjectName(QStringLiteral("printDialog"));
        if (dialog.exec() != QDialog::Accepted)
            return false;
        document.print(&printer);
        return true;
    }
};

} // namespace veltrano

#include "printing_module.moc"
