#include "config/version.h"
#include "temporary_home.h"
#include "window_test_support.h"
#include "windows/about_window.h"
#include "windows/licence_window.h"
#include "windows/platform/web_launcher.h"
#include "windows/result_window.h"
#include "windows/web_addresses.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>

using namespace veltrano;
using namespace testing;

namespace {

// Records every launch attempt; the first `failures` programs fail to start.
struct FakeLaunchers {
    QStringList started; // "program arg1 arg2 ..."
    QStringList opened;
    int failures = 0;

    FakeLaunchers()
    {
        platform::setWebLaunchers(
            [this](const QString &program, const QStringList &arguments) {
                started.append((QStringList{program} + arguments).join(u' '));
                return started.size() > failures;
            },
            [this](const QString &address) {
                opened.append(address);
                return false;
            });
    }
    ~FakeLaunchers() { platform::resetWebLaunchers(); }

    QString lastAddress() const
    {
        return started.isEmpty() ? QString() : started.last().section(u' ', -1);
    }
};

void verifyFixedWindow(const QWidget &window, QSize clientSize)
{
    QCOMPARE(window.minimumSize(), clientSize);
    QCOMPARE(window.maximumSize(), clientSize);
    QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window.windowIcon().isNull());
}

QString marker()
{
    return storedValue(settings::firstRunKey);
}

} // namespace

class AuxiliaryWindowsTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void init() { writeSettings("[aaa]\nzzz=1\n"); }
    void cleanup() { verifyNoWindowLeft(); }

    void windowsKeepTheirLayout()
    {
        const auto owned = openWindow();
        Form1 &window = *owned;
        QCOMPARE(window.centralWidget()->size(), QSize(705, 587));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!window.windowIcon().isNull());
        for (const char *hidden : {"Command5", "Command1", "Command9", "Image3", "Frame1"})
            QVERIFY2(!child<QWidget>(window, hidden)->isVisible(), hidden);
        QVERIFY(!child<QComboBox>(window, "Combo1")->isEditable());
        QCOMPARE(child<QAbstractButton>(window, "Command7")->text(),
                 QStringLiteral("&Redo Incorrect Questions"));
        QCOMPARE(child<QAbstractButton>(window, "Command8")->text(),
                 QStringLiteral("&Clear Incorrect History"));
        QCOMPARE(child<QAbstractButton>(window, "Command10")->text(),
                 QStringLiteral("&Info Center"));

        // The program's four entries in their order, then the menus added
        // beside them, named by their menus.
        QStringList menu;
        for (const QAction *action : window.menuBar()->actions())
            if (!action->menu()) // the menus added beside them have tests of their own
                menu.append(action->objectName() + u'=' + action->text());
        QCOMPARE(menu, QStringList(
                           {"mabout=&About", "mlic=&License", "other=&Other Info", "mexit=E&xit"}));

        // The banner lies over the placeholder; photograph and slogan show.
        const auto *banner = child<QLabel>(window, "Picture1");
        QCOMPARE(banner->geometry(), child<QLabel>(window, "Label4")->geometry());
        const auto *slogan = child<QLabel>(window, "Label5");
        QVERIFY(slogan->isVisible() && slogan->text() != QStringLiteral("Label5"));
        QCOMPARE(slogan->y(), banner->height() - slogan->height() - 7);
        QCOMPARE(slogan->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!child<QLabel>(window, "Image4")->pixmap().isNull());
        QVERIFY(child<QLabel>(window, "Image4")->isVisible());

        Form2 result(5, 3, &window);
        QCOMPARE(result.windowTitle(), QStringLiteral("Test Result"));
        verifyFixedWindow(result, QSize(376, 311));
        Form3 licence(false, Language::English, &window);
        QCOMPARE(licence.windowTitle(), QStringLiteral("License"));
        verifyFixedWindow(licence, QSize(700, 424));
        Form4 about(QStringLiteral("December 2026"), &window);
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        verifyFixedWindow(about, QSize(660, 329));
    }

    void licenceFromTheMenuShowsOnlyOk()
    {
        const auto owned = openWindow();
        Form1 &window = *owned;
        QTest::qWait(700); // past the first-run check: nothing is shown
        QVERIFY(!QApplication::activeModalWidget());
        const ModalAnswerer closeLicence("Command1", [](QWidget *licence) {
            QCOMPARE(licence->windowTitle(), QStringLiteral("License"));
            QCOMPARE(child<QAbstractButton>(*licence, "Command1")->text(), QStringLiteral("OK"));
            QVERIFY(!child<QWidget>(*licence, "Command2")->isVisible());
            const auto *text = child<QPlainTextEdit>(*licence, "Text1");
            QVERIFY(text->isReadOnly());
            QVERIFY(text->toPlainText().startsWith(QStringLiteral("LICENSE AGREEMENT")));
            QVERIFY(text->toPlainText().size() > 1200);
        });
        window.findChild<QAction *>("mlic")->trigger();
        QVERIFY(window.isVisible());
    }

    void licenceInEachLanguage_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("title");
        QTest::addRow("English") << Language::English << QStringLiteral("LICENSE AGREEMENT");
        QTest::addRow("French") << Language::French << QStringLiteral("CONTRAT DE LICENCE");
    }

    // The agreement is shown in the program's language, and every line of
    // it fits the box, which does not wrap.
    void licenceInEachLanguage()
    {
        QFETCH(Language, language);
        QFETCH(QString, title);
        applyProgramFonts();
        Form3 licence(true, language);
        licence.show();
        const auto *text = child<QPlainTextEdit>(licence, "Text1");
        QVERIFY(text->toPlainText().startsWith(title));
        const int room = text->viewport()->width() - 2 * int(text->document()->documentMargin());
        for (const QString &line : text->toPlainText().split(u'\n'))
            QVERIFY2(text->fontMetrics().horizontalAdvance(line) <= room, qPrintable(line));
        licence.hide();
    }

    void firstRunAsksOnce()
    {
        removeSettings();
        {
            const auto owned = openWindow();
            Form1 &window = *owned;
            bool pending = false;
            const ModalAnswerer accept("Command1", [&](QWidget *licence) {
                pending = window.agreementPending();
                QCOMPARE(child<QAbstractButton>(*licence, "Command1")->text(),
                         QStringLiteral("&Accept"));
                QVERIFY(child<QWidget>(*licence, "Command2")->isVisible());
                QCOMPARE(marker(), QStringLiteral("1")); // marked before asking
            });
            QTRY_VERIFY(!window.agreementPending() && pending);
            QVERIFY(window.isVisible());
        }

        // Declined: the declined page opens and the program ends; the next
        // run does not ask again.
        removeSettings();
        FakeLaunchers launchers;
        {
            const auto owned = openWindow();
            Form1 &window = *owned;
            const ModalAnswerer decline("Command2");
            QTRY_VERIFY(!window.isVisible());
            QCOMPARE(launchers.lastAddress(), QString::fromLatin1(web::licenceDeclinedPage));
        }
        {
            const auto owned = openWindow();
            Form1 &window = *owned;
            QTest::qWait(700);
            QVERIFY(!QApplication::activeModalWidget());
            QVERIFY(window.isVisible());
        }
    }

    // The marker cannot be written (a file stands where the settings folder
    // should be): said once, and the agreement is still asked for.
    void unwritableFirstRunMarkerIsReported()
    {
        removeSettings();
        const QString folder = QFileInfo(settingsFile()).absolutePath();
        QVERIFY(QDir(folder).removeRecursively());
        {
            QFile blocker(folder);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        {
            const ScriptedAnswer ok(platform::MessageBox::Answer::Ok);
            const ModalAnswerer accept("Command1");
            const auto owned = openWindow();
            QTRY_VERIFY(accept.answered());
            QVERIFY2(ok.text().startsWith(QStringLiteral("Your settings could not be saved.")),
                     qPrintable(ok.text()));
            QVERIFY(ok.text().contains(QDir::toNativeSeparators(folder)));
            QVERIFY(!owned->agreementPending());
            QVERIFY(owned->isVisible());
        }
        QVERIFY(QFile::remove(folder));
    }

    // In a review, a question can be reported by e-mail with its number and
    // text filled in.
    void reportAProblemWithAQuestion()
    {
        FakeLaunchers launchers;
        const auto window = openWindow();
        click(*window, "Command2");
        {
            const ScriptedAnswer yes(platform::MessageBox::Answer::Yes);
            const ModalAnswerer closeScores("Command1");
            click(*window, "Command6");
        }
        const int question = window->practiceTest().currentItem().question;
        auto *report = child<QLabel>(*window, "LabelReport");
        QVERIFY(report->isVisible());
        QTest::mouseClick(report, Qt::LeftButton, {}, report->rect().center());
        QCOMPARE(launchers.started.size(), 1);
        const QUrl address(launchers.lastAddress());
        QCOMPARE(address.scheme(), QStringLiteral("mailto"));
        QCOMPARE(address.path(), QString::fromLatin1(web::feedbackAddress));
        const QUrlQuery fields(address);
        QCOMPARE(fields.queryItemValue("subject", QUrl::FullyDecoded),
                 QStringLiteral("Problem with question %1").arg(question));
        QVERIFY(fields.queryItemValue("body", QUrl::FullyDecoded)
                    .contains(window->questionBank().pQuestion(question)));
    }

    void openWebPageTriesInTurnAndStaysSilent()
    {
        FakeLaunchers launchers;
        const QList<platform::LaunchCommand> commands = platform::webLaunchCommands();
        QVERIFY(!commands.isEmpty());
#if defined(Q_OS_LINUX)
        QCOMPARE(commands.first().program, QStringLiteral("xdg-open"));
#endif
        platform::openWebPage(QStringLiteral("https://example.org/a b"));
        QCOMPARE(launchers.started.size(), 1); // the first that starts ends the search
        QVERIFY(launchers.opened.isEmpty());

        launchers.started.clear();
        launchers.failures = 100;
        platform::openWebPage(QStringLiteral("https://example.org/"));
        QCOMPARE(launchers.started.size(), commands.size());
        for (int i = 0; i < commands.size(); ++i)
            QVERIFY(launchers.started.at(i).startsWith(commands.at(i).program));
        QCOMPARE(launchers.opened, QStringList{"https://example.org/"});
    }

    void linksOpenTheirPages()
    {
        FakeLaunchers launchers;
        const auto owned = openWindow();
        Form1 &window = *owned;
        const auto clickedOpens = [&](QWidget *target, const char *address) {
            // Through the window, as a real click arrives: to the control
            // under the pointer, and on to its parents if it ignores it. A
            // hidden control can only be clicked directly.
            const QRect shown =
                target->isVisible() ? target->visibleRegion().boundingRect() : target->rect();
            const QPoint at(shown.right() - 3, shown.center().y());
            if (target->isVisible())
                QTest::mouseClick(target->window()->windowHandle(), Qt::LeftButton, {},
                                  target->mapTo(target->window(), at));
            else
                QTest::mouseClick(target, Qt::LeftButton, {}, at);
            // One click, one page.
            QVERIFY2(launchers.started.size() == 1, qPrintable(target->objectName()));
            QCOMPARE(launchers.lastAddress(), QString::fromLatin1(address));
            launchers.started.clear();
        };
        clickedOpens(child<QWidget>(window, "Command10"), web::homePage);
        clickedOpens(child<QWidget>(window, "Image4"), web::homePage);
        clickedOpens(child<QWidget>(window, "Image3"), web::partnerSite);
        clickedOpens(child<QWidget>(window, "Picture1"), web::sampleTestPage);
        clickedOpens(child<QWidget>(window, "Label5"), web::sampleTestPage);

        // From the keyboard: a link takes the focus and Enter or Space
        // follows it; the banner's words, a mouse target beside the slogan's
        // link, take no focus.
        const auto keyOpens = [&](QWidget *link, Qt::Key key, const char *address) {
            QVERIFY2(link->focusPolicy() & Qt::TabFocus, qPrintable(link->objectName()));
            QTest::keyClick(link, key);
            QVERIFY2(launchers.started.size() == 1, qPrintable(link->objectName()));
            QCOMPARE(launchers.lastAddress(), QString::fromLatin1(address));
            launchers.started.clear();
        };
        keyOpens(child<QWidget>(window, "Label5"), Qt::Key_Return, web::sampleTestPage);
        keyOpens(child<QWidget>(window, "Image4"), Qt::Key_Space, web::homePage);
        QCOMPARE(child<QWidget>(window, "Picture1")->focusPolicy(), Qt::NoFocus);

        Form4 about(QStringLiteral("December 2026"), &window);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QVERIFY(child<QPushButton>(about, "Command1")->isDefault());
        clickedOpens(child<QWidget>(about, "Command2"), web::homePage);
        clickedOpens(child<QWidget>(about, "Command3"), web::onlineTestPage);
        clickedOpens(child<QWidget>(about, "Label4"), web::homePage);
        keyOpens(child<QWidget>(about, "Label4"), Qt::Key_Enter, web::homePage);
        QCOMPARE(child<QLabel>(about, "Label3")->text(),
                 QStringLiteral("For more hints about the Veltrano test, please visit: "));
        QVERIFY(child<QLabel>(about, "Label1")
                    ->text()
                    .startsWith(QString::fromLatin1(veltrano::programTitle)));
    }
};

QTEST_MAIN(AuxiliaryWindowsTest)
#include "test_auxiliary_windows.moc"
