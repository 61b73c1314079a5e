#include "config/version.h"
#include "windows/fonts.h"
#include "windows/main_window.h"
#include "windows/window_setup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("veltrano-test"));
    // No display name: Qt would append it to every window title.
    QApplication::setApplicationVersion(QString::fromLatin1(veltrano::programVersion));
    veltrano::applyProgramFonts();

    veltrano::Form1 window;
    window.adjustSize();
    veltrano::centreWindow(&window);
    window.show();
    return QApplication::exec();
}
