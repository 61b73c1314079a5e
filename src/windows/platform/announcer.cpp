#include "windows/platform/announcer.h"

#include <QAccessible>
#include <QWidget>

namespace veltrano::platform {

namespace {
std::function<void(QObject *)> &observer()
{
    static std::function<void(QObject *)> current;
    return current;
}

void tellObserver(QObject *control)
{
    if (observer())
        observer()(control);
}
} // namespace

void announceNameChange(QObject *control)
{
    QAccessibleEvent changed(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    tellObserver(control);
}

void announceFocus(QWidget *control)
{
    if (!control->hasFocus()) {
        control->setFocus(Qt::OtherFocusReason);
    } else if (QAccessible::isActive()) {
        // Screen readers ignore focus that lands on the object already
        // focused. Dropping the control's accessible interface makes Qt give
        // it a new one, with a new identity on the accessibility bus.
        if (QAccessibleInterface *current = QAccessible::queryAccessibleInterface(control))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
        QAccessibleEvent focus(control, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    tellObserver(control);
}

void setAnnouncementObserver(std::function<void(QObject *)> newObserver)
{
    observer() = std::move(newObserver);
}

} // namespace veltrano::platform
