#include "config/version.h"
#include "windows/fonts.h"
#include "windows/main_window.h"
#include "windows/window_setup.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstring>

namespace {

// --help and --version are answered without opening a window, so they work
// where there is no display (a terminal, a package check).
bool answersOnTheCommandLine(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"-h", "--help", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

void nameTheProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("veltrano-test"));
    // No display name: Qt would append it to every window title.
    QCoreApplication::setApplicationVersion(QString::fromLatin1(veltrano::programVersion));
}

int answerCommandLine(QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Practice tests for the Canadian citizenship knowledge test."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app); // prints the answer and exits
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (answersOnTheCommandLine(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameTheProgram();
        return answerCommandLine(app);
    }

    QApplication app(argc, argv);
    nameTheProgram();
    veltrano::applyProgramFonts();

    veltrano::Form1 window;
    window.adjustSize();
    veltrano::centreWindow(&window);
    window.show();
    return QApplication::exec();
}
