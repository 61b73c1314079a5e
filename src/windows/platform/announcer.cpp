#include "windows/platform/announcer.h"

#include <QAccessible>

namespace veltrano::platform {

namespace {
std::function<void(QObject *)> &observer()
{
    static std::function<void(QObject *)> current;
    return current;
}
} // namespace

void announceNameChange(QObject *control)
{
    QAccessibleEvent changed(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    if (observer())
        observer()(control);
}

void setAnnouncementObserver(std::function<void(QObject *)> newObserver)
{
    observer() = std::move(newObserver);
}

} // namespace veltrano::platform
