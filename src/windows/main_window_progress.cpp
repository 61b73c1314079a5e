// The main window's progress: recording each finished test, the Practice and
// Progress menus, and what their items open. The store itself lives in
// progress/; this file only binds it to the window.

#include "windows/main_window.h"

#include "progress/progress_store.h"
#include "progress/weakest_questions.h"
#include "windows/modules/printing_module.h"
#include "windows/modules/statistics_module.h"
#include "windows/platform/message_box.h"
#include "windows/progress_messages.h"
#include "windows/report_document.h"
#include "windows/window_setup.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>

namespace veltrano {

namespace {

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

void Form1::createProgressMenus()
{
    const auto addAction = [this](QMenu *menu, const char *name, auto slot) {
        QAction *action = menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    // In the Practice menu, then a Progress menu after it, before "&About".
    mweakest = addAction(mpractice, "mweakest", &Form1::mweakest_Click);
    mprogress = new QMenu(menuBar());
    mprogress->setObjectName(QStringLiteral("mprogress"));
    menuBar()->insertMenu(mabout, mprogress);
    mstats = addAction(mprogress, "mstats", &Form1::mstats_Click);
    mreport = addAction(mprogress, "mreport", &Form1::mreport_Click);
    mprogress->addSeparator();
    mexport = addAction(mprogress, "mexport", &Form1::mexport_Click);
    mimport = addAction(mprogress, "mimport", &Form1::mimport_Click);
}

void Form1::retranslateProgressMenus()
{
    mweakest->setText(tr("&Weakest Questions"));
    mweakest->setToolTip(tr("Practise the questions you miss most and have mastered least"));
    //: Alt+E: the window's buttons hold Alt+S, P, N, F, R, C and I, the exam's
    //: check boxes Alt+G and Y, the menu bar Alt+T, A, L, O, X and U
    mprogress->setTitle(tr("Progr&ess"));
    mstats->setText(tr("&Statistics"));
    mreport->setText(tr("&Print or Save Report…"));
    mexport->setText(tr("E&xport Progress…"));
    mimport->setText(tr("&Import Progress…"));
}

void Form1::updateProgressActions()
{
    // A report is of the test on view, once it is finished.
    mreport->setEnabled(test_.isReviewing() && lastFinished_.has_value());
}

ProgressStore &Form1::progress()
{
    if (!progress_)
        progress_ = std::make_unique<ProgressStore>(seams_.progressPath, bank_.questionCount());
    return *progress_;
}

void Form1::tellSetAside()
{
    if (const std::optional<QString> aside = progress().takeSetAsideNotice())
        platform::MessageBox::inform(this, ProgressMessages::setAside(progress().path(), *aside));
}

bool Form1::progressReadable(const StoreStatus &status)
{
    tellSetAside();
    if (!status.ok())
        platform::MessageBox::inform(this, ProgressMessages::unreadable(progress().path(), status));
    return status.ok();
}

void Form1::recordFinishedTest()
{
    lastFinished_ = finishedTestOf(test_, bank_, seams_.clock->now());
    updateProgressActions();
    const StoreStatus status = progress().record(*lastFinished_);
    tellSetAside();
    if (!status.ok())
        platform::MessageBox::inform(this,
                                     ProgressMessages::unsavedTest(progress().path(), status));
}

void Form1::mweakest_Click()
{
    if (!confirmCancel())
        return;
    StoreStatus status;
    const QList<QuestionRecord> records = progress().questionRecords(&status);
    // Without a readable store every question is as weak as the next.
    progressReadable(status);
    const QList<int> questions =
        weakestQuestions(records, Combo1->currentData().toInt(), *seams_.random);
    if (test_.startWith(TestKind::Weakest, questions))
        showNewTest();
}

void Form1::mstats_Click()
{
    StoreStatus status;
    const ProgressStatistics numbers = progress().statistics(bank_, &status);
    if (!progressReadable(status))
        return;
    QString why;
    auto *maker = loadModule<StatisticsWindowMaker>(seams_.moduleFolder,
                                                    QStringLiteral("veltrano-statistics"), &why);
    if (!maker) {
        platform::MessageBox::inform(this,
                                     tr("The statistics window could not be opened.\n%1").arg(why));
        return;
    }
    StatisticsPage page{numbers, {}, {}};
    for (int chapter = 1; chapter <= QuestionBank::chapterCount; ++chapter)
        page.chapterTitles.append(bank_.chapterTitle(chapter));
    for (const ProgressStatistics::Missed &missed : numbers.mostMissed)
        page.mostMissedQuestions.append(
            {bank_.pQuestion(missed.question),
             bank_.pchoice(missed.question, bank_.pAnswer(missed.question))});
    const std::unique_ptr<QDialog> window = maker->makeWindow(page, this);
    applyFixedBorder(window.get());
    window->adjustSize();
    centreWindow(window.get());
    window->exec();
}

void Form1::mreport_Click()
{
    if (!lastFinished_ || !test_.isReviewing())
        return;
    const std::unique_ptr<QTextDocument> report = ReportDocument::make(*lastFinished_, bank_);
    const platform::MessageBox::Answer how = platform::MessageBox::askChoice(
        this, tr("Print the report of this test, or save it as a PDF file?"), tr("&Print…"),
        tr("&Save as PDF…"));
    if (how == platform::MessageBox::Answer::Yes) {
        QString why;
        auto *printer = loadModule<DocumentPrinter>(seams_.moduleFolder,
                                                    QStringLiteral("veltrano-printing"), &why);
        if (!printer)
            platform::MessageBox::inform(this, tr("Printing is not available.\n%1").arg(why));
        else
            printer->printDocument(*report, this);
        return;
    }
    if (how != platform::MessageBox::Answer::No)
        return;
    const QString path = seams_.files->saveFileName(
        this, tr("Save Report"),
        documentsFolder() + u'/' + ReportDocument::suggestedFileName(*lastFinished_),
        tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    const QString failure = ReportDocument::writePdf(*report, path);
    if (!failure.isEmpty())
        platform::MessageBox::inform(this, tr("The report could not be saved as %1.\n%2")
                                               .arg(QDir::toNativeSeparators(path), failure));
}

void Form1::mexport_Click()
{
    const QString suggested =
        documentsFolder() +
        QStringLiteral("/veltrano-progress-%1.sqlite")
            .arg(seams_.clock->now().date().toString(QStringLiteral("yyyy-MM-dd")));
    const QString path = seams_.files->saveFileName(this, tr("Export Progress"), suggested,
                                                    tr("Progress files (*.sqlite)"));
    if (path.isEmpty())
        return;
    const StoreStatus status = progress().exportTo(path);
    tellSetAside();
    platform::MessageBox::inform(this, status.ok() ? ProgressMessages::exported(path)
                                                   : ProgressMessages::exportFailed(path, status));
}

void Form1::mimport_Click()
{
    const QString path = seams_.files->openFileName(this, tr("Import Progress"), documentsFolder(),
                                                    tr("Progress files (*.sqlite);;All files (*)"));
    if (path.isEmpty())
        return;
    const ImportOutcome outcome = progress().importFrom(path);
    tellSetAside();
    platform::MessageBox::inform(this, ProgressMessages::imported(path, outcome));
}

} // namespace veltrano
