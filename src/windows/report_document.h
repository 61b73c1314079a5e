#pragma once

#include "bank/question_bank.h"
#include "progress/finished_test.h"

#include <QCoreApplication>
#include <QString>
#include <QTextDocument>

#include <memory>

namespace veltrano {

// The printable report of one finished test: when, what kind, the score (and
// PASS or FAIL for an exam), then every question answered wrongly with the
// answer given, the correct one and why it is right.
class ReportDocument {
    Q_DECLARE_TR_FUNCTIONS(ReportDocument)

public:
    static std::unique_ptr<QTextDocument> make(const FinishedTest &test, const QuestionBank &bank);
    // Writes the document as an A4 PDF, whole or not at all. Returns an
    // empty string, or why it failed.
    static QString writePdf(const QTextDocument &document, const QString &path);
    // A file name for the report of a test: "veltrano-report-2026-12-01.pdf".
    static QString suggestedFileName(const FinishedTest &test);
};

} // namespace veltrano
