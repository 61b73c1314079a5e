#pragma once

#include <QLabel>

namespace veltrano {

// A label or picture that reacts to a click, for the banner and web links.
// It takes keyboard focus like a link and is followed with Enter or Space;
// screen readers see a link (accessible_controls.cpp). A label that only
// repeats a link beside it is made a mouse target alone with
// setFocusPolicy(Qt::NoFocus), and is then read as plain text.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget *parent = nullptr);
    explicit ClickableLabel(const QString &text, QWidget *parent = nullptr);

    bool isLink() const { return focusPolicy() != Qt::NoFocus; }
    // Follows the link, as a click does.
    void activate() { emit clicked(); }

    // Looks like a web link: underlined, in the theme's link colour (blue on
    // a light desktop, readable on a dark one), with a pointing hand.
    void styleAsLink();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace veltrano
