#pragma once

#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace veltrano {

// An option button whose text wraps inside its rectangle instead of being cut
// off. The whole rectangle takes the click.
class WrappingRadioButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

    // The rectangle the text is drawn in, for layout checks.
    QRect textRect() const;
    static constexpr int textFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    void initOption(QStyleOptionButton *option) const { initStyleOption(option); }

    // While set, screen readers speak this label (the question) before the
    // choice: the choice is labelled by it (accessible_controls.cpp).
    void setSpokenLabel(QWidget *label) { spokenLabel_ = label; }
    QWidget *spokenLabel() const { return spokenLabel_; }
    // A locked choice shows a recorded answer that can no longer change;
    // screen readers hear it as unavailable, with no action to take.
    void setLocked(bool locked);
    bool isLocked() const { return locked_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QPointer<QWidget> spokenLabel_;
    bool locked_ = false;
};

// A push button whose caption wraps onto a second line when it does not fit.
class WrappingPushButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    QRect textRect() const;
    static constexpr int textFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    void initOption(QStyleOptionButton *option) const { initStyleOption(option); }

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace veltrano
