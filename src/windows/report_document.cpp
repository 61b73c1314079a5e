#include "windows/report_document.h"

#include "practice/exam_rules.h"
#include "windows/captions.h"
#include "windows/progress_messages.h"

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace veltrano {

namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString paragraph(const QString &text, const char *style = "")
{
    return QStringLiteral("<p style=\"%1\">%2</p>").arg(QLatin1String(style), text);
}

} // namespace

std::unique_ptr<QTextDocument> ReportDocument::make(const FinishedTest &test,
                                                    const QuestionBank &bank)
{
    const int total = static_cast<int>(test.answers.size());
    const int correct = test.correctCount();
    QString html = QStringLiteral("<h1>%1</h1>").arg(escaped(tr("Veltrano Test report")));
    html += paragraph(escaped(ProgressMessages::kindCaption(test.kind)) + QStringLiteral("<br>") +
                      escaped(tr("%1, %2").arg(
                          QLocale().toString(test.finishedAt.date(), QLocale::LongFormat),
                          QLocale().toString(test.finishedAt.time(), QLocale::ShortFormat))));
    html += QStringLiteral("<h2>%1</h2>")
                .arg(escaped(tr("Score: %1 of %2 (%3)")
                                 .arg(correct)
                                 .arg(total)
                                 .arg(Captions::percentage(correct, total))));
    if (test.kind == QLatin1String("exam"))
        html += QStringLiteral("<h2>%1</h2>")
                    .arg(escaped(citizenshipExam.passes(correct)
                                     ? tr("PASS (the pass mark is %1 of %2)")
                                     : tr("FAIL (the pass mark is %1 of %2)"))
                             .arg(citizenshipExam.passMark)
                             .arg(total));
    const int wrong = total - correct;
    if (wrong == 0) {
        html += paragraph(escaped(tr("Every question was answered correctly.")));
    } else {
        html += QStringLiteral("<h2>%1</h2>")
                    .arg(escaped(tr("Questions answered wrongly: %1").arg(wrong)));
        int position = 0;
        for (const AnswerRecord &answer : test.answers) {
            ++position;
            if (answer.right)
                continue;
            const int q = answer.question;
            const QString given =
                answer.chosen > 0 ? bank.pchoice(q, answer.chosen) : tr("(not answered)");
            html += QStringLiteral("<h3>%1</h3>")
                        .arg(escaped(tr("Question %1: %2").arg(position).arg(bank.pQuestion(q))));
            html += paragraph(
                escaped(tr("Your answer: %1").arg(given)) + QStringLiteral("<br>") +
                QStringLiteral("<b>%1</b>")
                    .arg(escaped(tr("Correct answer: %1").arg(bank.pchoice(q, answer.correct)))));
            if (!bank.explanation(q).isEmpty())
                html += paragraph(escaped(bank.explanation(q)), "font-style: italic;");
        }
    }
    auto document = std::make_unique<QTextDocument>();
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(11);
    document->setDefaultFont(font);
    document->setHtml(html);
    return document;
}

QString ReportDocument::writePdf(const QTextDocument &document, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        // The document keeps 2 cm margins of its own and numbers the pages.
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        writer.setTitle(tr("Veltrano Test report"));
        writer.setCreator(QStringLiteral("Veltrano Test"));
        document.print(&writer);
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString ReportDocument::suggestedFileName(const FinishedTest &test)
{
    return QStringLiteral("veltrano-report-%1.pdf")
        .arg(test.finishedAt.toString(QStringLiteral("yyyy-MM-dd-HHmm")));
}

} // namespace veltrano
