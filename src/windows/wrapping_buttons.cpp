#include "windows/wrapping_buttons.h"

#include <QAccessible>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace veltrano {

namespace {

// Draws the button without its text, then the text wrapped inside the
// rectangle the style gives it.
template <typename Button>
void paintWrapped(Button *button, QStyle::ControlElement element, int textFlags,
                  QPalette::ColorRole textRole)
{
    QStylePainter painter(button);
    QStyleOptionButton option;
    button->initOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(element, option);
    painter.drawItemText(button->textRect(), textFlags, option.palette, button->isEnabled(),
                         caption, textRole);
}

template <typename Button> QRect styleContentsRect(const Button *button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    button->initOption(&option);
    return button->style()->subElementRect(element, &option, button);
}

} // namespace

QRect WrappingRadioButton::textRect() const
{
    return styleContentsRect(this, QStyle::SE_RadioButtonContents);
}

void WrappingRadioButton::paintEvent(QPaintEvent *)
{
    paintWrapped(this, QStyle::CE_RadioButton, textFlags, QPalette::WindowText);
}

bool WrappingRadioButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void WrappingRadioButton::setLocked(bool locked)
{
    if (locked_ == locked)
        return;
    locked_ = locked;
    QAccessible::State changed;
    changed.disabled = true;
    changed.readOnly = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

QRect WrappingPushButton::textRect() const
{
    return styleContentsRect(this, QStyle::SE_PushButtonContents);
}

void WrappingPushButton::paintEvent(QPaintEvent *)
{
    paintWrapped(this, QStyle::CE_PushButton, textFlags, QPalette::ButtonText);
}

} // namespace veltrano
