// The smallest Qt Widgets program shaped like Veltrano Test's main window:
// the same client area (705 x 587 logical pixels) under a menu bar of
// plain entries, holding a single button, and shown the same way. The
// startup benchmark measures the program against it.

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Window"));

    auto *client = new QWidget(&window);
    client->setFixedSize(705, 587);
    auto *button = new QPushButton(QStringLiteral("&Start"), client);
    button->setGeometry(304, 16, 73, 33);
    window.setCentralWidget(client);

    for (const char *caption : {"&About", "&License", "&Other Info", "E&xit", "Lan&guage"})
        window.menuBar()->addAction(QString::fromLatin1(caption));
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);

    window.adjustSize();
    if (const QScreen *screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
