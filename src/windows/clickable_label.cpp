#include "windows/clickable_label.h"

#include <QMouseEvent>

namespace veltrano {

void ClickableLabel::styleAsLink()
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette link = palette();
    link.setColor(QPalette::WindowText, link.color(QPalette::Link));
    setPalette(link);
    setCursor(Qt::PointingHandCursor);
}

// The label takes the press and the release itself: passed on, they would
// reach a clickable parent too (the slogan lies on the banner), and one click
// would open two pages.
void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace veltrano
