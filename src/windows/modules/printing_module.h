#pragma once

#include <QtPlugin>

class QTextDocument;
class QWidget;

namespace veltrano {

// Printing lives in a module of its own, loaded when the user first prints,
// so that Qt Print Support (and the print system beneath it) costs nothing
// at start-up.
class DocumentPrinter {
public:
    virtual ~DocumentPrinter() = default;
    // Asks for a printer with the print dialog and prints; false when the
    // user cancelled.
    virtual bool printDocument(const QTextDocument &document, QWidget *parent) = 0;
};

} // namespace veltrano

#define VeltranoDocumentPrinter_iid "org.example.veltrano.DocumentPrinter/1"
Q_DECLARE_INTERFACE(veltrano::DocumentPrinter, VeltranoDocumentPrinter_iid)
