#pragma once

#include <QLabel>

namespace veltrano {

// A label or picture that reacts to a click, for the banner and web links.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace veltrano
