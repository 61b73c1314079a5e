#pragma once

#include "windows/twips.h"

#include <QString>
#include <QWidget>

#include <utility>

namespace veltrano {

// A control named as the program's windows name it, at the rectangle it was
// drawn at (twipsRect), owned by its parent.
template <typename Widget, typename... Args>
Widget *makeControl(QWidget *parent, const char *name, QRect geometry, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

} // namespace veltrano
