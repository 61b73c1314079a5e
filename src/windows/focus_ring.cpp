#include "windows/focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace veltrano {

namespace {

double channel(double value)
{
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

// The colours the ring lies between: the control's own face, the background
// of the nearest ancestor that paints one (else the window's), and any
// painted sibling the control lies over (the photograph on the banner).
QList<QColor> coloursAround(const QWidget *target)
{
    QList<QColor> around{target->palette().color(target->backgroundRole())};
    const QWidget *behind = target->parentWidget();
    while (behind && !behind->isWindow() && !behind->autoFillBackground())
        behind = behind->parentWidget();
    if (behind)
        around.append(behind->palette().color(behind->backgroundRole()));
    if (const QWidget *parent = target->parentWidget()) {
        for (const QObject *child : parent->children()) {
            if (child == target)
                break; // stacked above the control from here on
            const auto *sibling = qobject_cast<const QWidget *>(child);
            if (sibling && sibling->isVisible() && sibling->autoFillBackground() &&
                sibling->geometry().intersects(target->geometry()))
                around.append(sibling->palette().color(sibling->backgroundRole()));
        }
    }
    return around;
}

// The part of the control that shows something: a label's text or picture
// (the slogan's label spans the whole banner, its words only the right end),
// the whole control otherwise.
QRect shownArea(const QWidget *target)
{
    const auto *label = qobject_cast<const QLabel *>(target);
    if (!label)
        return target->rect();
    const QRect contents = label->contentsRect();
    QRect shown;
    if (!label->pixmap().isNull()) {
        shown = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                    label->pixmap().deviceIndependentSize().toSize(), contents);
    } else if (!label->text().isEmpty()) {
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        shown = label->fontMetrics().boundingRect(contents, flags, label->text());
        shown.adjust(-2, 0, 2, 0); // room for the first and last letters' overhang
    } else {
        return target->rect();
    }
    return shown.intersected(target->rect());
}

} // namespace

double FocusRing::contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor FocusRing::standingOut(const QColor &base, const QList<QColor> &around, double minimum)
{
    const auto weakest = [&around](const QColor &colour) {
        double least = 21;
        for (const QColor &other : around)
            least = std::min(least, contrast(colour, other));
        return least;
    };
    if (weakest(base) >= minimum)
        return base;
    // The same hue at the lightness nearest the base's that stands out
    // enough; failing that, the lightness that stands out most.
    QColor best = base;
    double bestContrast = weakest(base);
    double bestDistance = 2;
    for (int step = 0; step <= 100; ++step) {
        const double lightness = step / 100.0;
        const QColor candidate = QColor::fromHslF(base.hslHueF(), base.hslSaturationF(), lightness);
        const double stands = weakest(candidate);
        const double distance = std::abs(lightness - base.lightnessF());
        const bool better = stands >= minimum ? bestContrast < minimum || distance < bestDistance
                                              : bestContrast < minimum && stands > bestContrast;
        if (better) {
            best = candidate;
            bestContrast = stands;
            bestDistance = distance;
        }
    }
    return best;
}

void FocusRing::install()
{
    static const bool installed = [] {
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *, QWidget *now) {
            // Popups (menus, the list of a combo box) mark their own current item.
            if (!now || (now->window()->windowType() & Qt::Popup) == Qt::Popup)
                return;
            FocusRing *ring = of(now->window());
            if (!ring)
                ring = new FocusRing(now->window());
            ring->follow(now);
        });
        return true;
    }();
    Q_UNUSED(installed);
}

FocusRing *FocusRing::of(const QWidget *window)
{
    return window->findChild<FocusRing *>(QString(), Qt::FindDirectChildrenOnly);
}

FocusRing::FocusRing(QWidget *window) : QWidget(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRing::follow(QWidget *target)
{
    if (target_)
        target_->removeEventFilter(this);
    target_ = target;
    if (target_ == window()) {
        target_ = nullptr;
        hide();
        return;
    }
    target_->installEventFilter(this);
    place();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == target_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::PaletteChange:
        case QEvent::ParentChange:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::place()
{
    // WCAG asks 3:1 of a focus indicator; aiming at 5:1 against the palette
    // leaves room for the tints styles paint (a group box's frame).
    constexpr double wanted = 5.0;
    if (!target_ || !target_->isVisible() || target_->window() != window()) {
        hide();
        return;
    }
    const int margin = width + gap;
    const QRect shown = shownArea(target_);
    const QRect area(target_->mapTo(window(), shown.topLeft()), shown.size());
    setGeometry(area.adjusted(-margin, -margin, margin, margin));
    colour_ =
        standingOut(window()->palette().color(QPalette::Highlight), coloursAround(target_), wanted);
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour_);
    const QRect outer = rect();
    const QRect inner = outer.adjusted(width, width, -width, -width);
    painter.drawRect(QRect(outer.left(), outer.top(), outer.width(), width));
    painter.drawRect(QRect(outer.left(), inner.bottom() + 1, outer.width(), width));
    painter.drawRect(QRect(outer.left(), inner.top(), width, inner.height()));
    painter.drawRect(QRect(inner.right() + 1, inner.top(), width, inner.height()));
}

} // namespace veltrano
