#include "progress/finished_test.h"
#include "temporary_home.h"
#include "window_test_support.h"
#include "windows/modules/module_loader.h"
#include "windows/modules/printing_module.h"
#include "windows/report_document.h"

#include <QProcess>
#include <QRegularExpression>

using namespace veltrano;
using namespace testing;
using Answer = platform::MessageBox::Answer;

namespace {

// What poppler reads from a PDF: its text, and its page count and size.
QString pdfText(const QString &path)
{
    QProcess run;
    run.start(QStringLiteral("pdftotext"),
              {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    run.waitForFinished();
    // Lines joined: a sentence may wrap anywhere on paper.
    return QString::fromUtf8(run.readAllStandardOutput()).simplified();
}

QString pdfInfo(const QString &path, const QString &field)
{
    QProcess run;
    run.start(QStringLiteral("pdfinfo"), {path});
    run.waitForFinished();
    const QRegularExpression line(u'^' + field + QStringLiteral(":\\s*(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(run.readAllStandardOutput())).captured(1).trimmed();
}

} // namespace

class ReportTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;
    QuestionBank bank;

private slots:
    void initTestCase()
    {
        bank.inlineread();
        writeSettings("[aaa]\nzzz=1\n");
    }

    void cleanup() { verifyNoWindowLeft(); }

    void savedReportReadsOnPaper()
    {
        Seams seams = testSeams(17);
        const QString pdf = home_.path() + "/report.pdf";
        seams.files = std::make_unique<ScriptedFileChooser>(QStringList{pdf});
        const auto window = openWindow(std::move(seams));
        click(*window, "Command2");
        answer(*window, {2, 5}, {4});
        finishTest(*window);
        {
            const ScriptedAnswer save(Answer::No); // "Save as PDF…"
            triggerMenu(*window, "mreport");
            QVERIFY(save.wasAsked());
            QCOMPARE(save.text(), "Print the report of this test, or save it as a PDF file?");
        }
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(pdfInfo(pdf, "Pages"), "1");
        QVERIFY2(pdfInfo(pdf, "Page size").contains("(A4)"), qPrintable(pdfInfo(pdf, "Page size")));
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains("Veltrano Test report"), qPrintable(text));
        QVERIFY(text.contains("Practice test"));
        QVERIFY(text.contains("Score: 2 of 5 (40.0%)"));
        QVERIFY(text.contains("Questions answered wrongly: 3"));
        QVERIFY(!text.contains("PASS") && !text.contains("FAIL"));
        const PracticeTest &test = window->practiceTest();
        for (const int position : {2, 4, 5}) {
            const int q = test.item(position).question;
            QVERIFY2(text.contains(bank.pQuestion(q).simplified()), qPrintable(bank.pQuestion(q)));
            QVERIFY(
                text.contains("Correct answer: " + bank.pchoice(q, bank.pAnswer(q)).simplified()));
            QVERIFY(text.contains(bank.explanation(q).simplified().left(40)));
        }
        QVERIFY(text.contains("Your answer: (not answered)"));
        const int right = test.item(1).question;
        QVERIFY(!text.contains(bank.pQuestion(right).simplified()));
    }

    void examReportSaysPassOrFail_data()
    {
        QTest::addColumn<int>("correct");
        QTest::addColumn<QString>("verdict");
        QTest::addRow("15 of 20") << 15 << "PASS (the pass mark is 15 of 20)";
        QTest::addRow("14 of 20") << 14 << "FAIL (the pass mark is 15 of 20)";
    }

    void examReportSaysPassOrFail()
    {
        QFETCH(int, correct);
        QFETCH(QString, verdict);
        FinishedTest exam{"e", QDateTime(QDate(2026, 12, 2), QTime(10, 0)), "exam", {}};
        for (int q = 1; q <= 20; ++q)
            exam.answers.append({q, q <= correct ? 1 : 2, 1, q <= correct});
        const QString pdf = home_.path() + "/exam.pdf";
        QCOMPARE(ReportDocument::writePdf(*ReportDocument::make(exam, bank), pdf), QString());
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(verdict), qPrintable(text.left(300)));
        QVERIFY(text.contains("Mock exam"));
    }

    void longReportRunsOverPages()
    {
        // The whole bank answered wrongly: every question is on paper.
        FinishedTest all{"all", QDateTime(QDate(2026, 12, 3), QTime(10, 0)), "sized", {}};
        for (int q = 1; q <= bank.questionCount(); ++q)
            all.answers.append({q, 0, bank.pAnswer(q), false});
        const QString pdf = home_.path() + "/all.pdf";
        QCOMPARE(ReportDocument::writePdf(*ReportDocument::make(all, bank), pdf), QString());
        QVERIFY(pdfInfo(pdf, "Pages").toInt() > 10);
        const QString text = pdfText(pdf);
        QVERIFY(text.contains(bank.pQuestion(bank.questionCount()).simplified()));
        QVERIFY(text.contains("Questions answered wrongly: 165"));
    }

    void printingModuleLoads()
    {
        // The print dialog itself cannot be driven offscreen; the module
        // that shows it loads and offers the printing interface.
        QString why;
        QVERIFY2(loadModule<DocumentPrinter>(QStringLiteral(VELTRANO_MODULE_DIR),
                                             QStringLiteral("veltrano-printing"), &why),
                 qPrintable(why));
    }

    void unwritableReportIsReported()
    {
        FinishedTest one{
            "1", QDateTime(QDate(2026, 12, 3), QTime(10, 0)), "sized", {{1, 1, 1, true}}};
        const QString failure = ReportDocument::writePdf(*ReportDocument::make(one, bank),
                                                         home_.path() + "/missing/r.pdf");
        QVERIFY(!failure.isEmpty());
    }
};

QTEST_MAIN(ReportTest)
#include "test_report.moc"
