#pragma once

#include <QLabel>

namespace veltrano {

// A label or picture that reacts to a click, for the banner and web links.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Looks like a web link: underlined, in the theme's link colour (blue on
    // a light desktop, readable on a dark one), with a pointing hand.
    void styleAsLink();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace veltrano
