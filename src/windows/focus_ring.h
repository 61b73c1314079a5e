#pragma once

#include <QColor>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace veltrano {

// A ring drawn around the control that has keyboard focus, in every window
// of the program and from the moment the window opens (styles draw theirs
// only after the first Tab, and thinly). It stands two pixels wide, one
// pixel off the control, in the theme's highlight colour made dark or light
// enough to stand out 5:1 from what lies around it, where it can (3:1 at
// least where the colours around differ widely, as on the banner).
class FocusRing : public QWidget {
    Q_OBJECT
public:
    // Follows the focus in every window of the application; once.
    static void install();

    // The ring of window, if it has one yet (for tests).
    static FocusRing *of(const QWidget *window);

    QWidget *target() const { return target_; }
    QColor colour() const { return colour_; }

    // The contrast ratio of two colours, 1 to 21, as WCAG measures it.
    static double contrast(const QColor &a, const QColor &b);
    // base, darkened or lightened until it stands out by minimum from every
    // colour around it.
    static QColor standingOut(const QColor &base, const QList<QColor> &around, double minimum);

    static constexpr int width = 2;
    static constexpr int gap = 1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    explicit FocusRing(QWidget *window);
    void follow(QWidget *target);
    void place();

    QPointer<QWidget> target_;
    QColor colour_;
};

} // namespace veltrano
