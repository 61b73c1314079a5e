#include "windows/window_setup.h"

#include "windows/twips.h"

#include <QScreen>

namespace veltrano {

void applyFixedBorder(QWidget *window)
{
    window->setWindowFlags(window->windowType() | Qt::MSWindowsFixedSizeDialogHint |
                           Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setWindowIcon(programIcon());
}

void setFixedClientSize(QWidget *window, int widthTwips, int heightTwips)
{
    window->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    applyFixedBorder(window);
}

void centreWindow(QWidget *window)
{
    const QWidget *owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    QRect area;
    if (owner && owner->isVisible())
        area = owner->frameGeometry();
    else if (const QScreen *screen = window->screen())
        area = screen->availableGeometry();
    if (area.isValid())
        window->move(area.center() - window->rect().center());
}

QIcon programIcon()
{
    // Made once, from the sizes a title bar and a task bar use: Qt decodes
    // every file added at once, and the large sizes cost a tenth of the
    // start-up. The desktop finds those in the installed icon theme.
    static const QIcon icon = [] {
        QIcon made;
        for (const int size : {16, 24, 32, 48, 64})
            made.addFile(QStringLiteral(":/icons/veltrano-%1.png").arg(size), QSize(size, size));
        return made;
    }();
    return icon;
}

} // namespace veltrano
