// The main window's practice menu: the mock exam, and a test of one chapter
// of the study guide at a time.
//
// The menu's access key is T: "&Practice" would share Alt+P with
// "&Previous", and Qt then takes Alt+P as ambiguous: one press only moves the
// focus to Previous, the next opens the menu, and Previous is never pressed.

#include "bank/test_builder.h"
#include "windows/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>

namespace veltrano {

void Form1::createPracticeMenu()
{
    mpractice = menuBar()->addMenu(QString());
    mpractice->setObjectName(QStringLiteral("mpractice"));
    mpractice->menuAction()->setObjectName(QStringLiteral("mpractice"));
    mexam = mpractice->addAction(QString());
    mexam->setObjectName(QStringLiteral("mexam"));
    connect(mexam, &QAction::triggered, this, &Form1::mexam_Click);

    mchapter = mpractice->addMenu(QString());
    mchapter->setObjectName(QStringLiteral("mchapter"));
    mchapter->menuAction()->setObjectName(QStringLiteral("mchapter"));
    for (int chapter = 1; chapter <= QuestionBank::chapterCount; ++chapter) {
        QAction *action = mchapter->addAction(QString());
        action->setObjectName(QStringLiteral("mchapter%1").arg(chapter));
        connect(action, &QAction::triggered, this, [this, chapter] { startChapterTest(chapter); });
    }
}

void Form1::retranslatePracticeMenu()
{
    mpractice->setTitle(tr("Prac&tice"));
    mexam->setText(tr("Citizenship &Exam (%1 questions, %2 minutes)")
                       .arg(citizenshipExam.questionCount)
                       .arg(citizenshipExam.minutes));
    mchapter->setTitle(tr("By &Chapter"));
    const QList<QAction *> chapters = mchapter->actions();
    for (int chapter = 1; chapter <= chapters.size(); ++chapter) {
        // The chapter's number is its access key: 1 to 9, then 0.
        const QString number =
            chapter < 10 ? QStringLiteral("&%1").arg(chapter) : QStringLiteral("1&0");
        QString title = bank_.chapterTitle(chapter);
        title.replace(u'&', QStringLiteral("&&"));
        //: %1 the chapter's number, %2 its title, %3 how many questions it has
        chapters.at(chapter - 1)
            ->setText(tr("%1 %2 (%3 questions)")
                          .arg(number, title)
                          .arg(chapterQuestions(bank_, chapter).count()));
    }
}

void Form1::startChapterTest(int chapter)
{
    if (!confirmCancel() || !test_.startChapter(chapter, Combo1->currentData().toInt()))
        return;
    showNewTest();
}

} // namespace veltrano
