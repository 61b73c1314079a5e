#include "windows/accessible_controls.h"

#include "windows/clickable_label.h"
#include "windows/wrapping_buttons.h"

#include <QAccessibleWidget>

namespace veltrano {

namespace {

// A caption as spoken: without the '&' that marks its access key.
QString withoutAccessKey(QString caption)
{
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption.at(i) == u'&')
            caption.remove(i, 1); // "&&" keeps its second '&'
    return caption;
}

class ChoiceAccessible : public QAccessibleWidget {
public:
    explicit ChoiceAccessible(WrappingRadioButton *button)
        : QAccessibleWidget(button, QAccessible::RadioButton)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        if (button()->isLocked()) {
            state.disabled = true;
            state.readOnly = true;
        }
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && button()->accessibleName().isEmpty())
            return withoutAccessKey(button()->text());
        return QAccessibleWidget::text(t);
    }

    // Labelled by the question while the window asks for it; never by the
    // group box around it (whose caption screen readers speak anyway).
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match & ~QAccessible::Label);
        if ((match & QAccessible::Label) && button()->spokenLabel())
            if (QAccessibleInterface *label =
                    QAccessible::queryAccessibleInterface(button()->spokenLabel()))
                found.prepend({label, QAccessible::Label});
        return found;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (button()->isEnabled() && !button()->isLocked())
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == toggleAction()) {
            if (button()->isEnabled() && !button()->isLocked())
                button()->toggle();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    WrappingRadioButton *button() const { return static_cast<WrappingRadioButton *>(widget()); }
};

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(ClickableLabel *label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override
    {
        return label()->isLink() ? QAccessible::Link : QAccessible::StaticText;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = label()->isLink();
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return withoutAccessKey(label()->text());
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (label()->isLink() && label()->isEnabled())
            names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction()) {
            if (label()->isLink() && label()->isEnabled())
                label()->activate();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    ClickableLabel *label() const { return static_cast<ClickableLabel *>(widget()); }
};

QAccessibleInterface *programControls(const QString &className, QObject *object)
{
    if (className == QLatin1String("veltrano::WrappingRadioButton"))
        return new ChoiceAccessible(static_cast<WrappingRadioButton *>(object));
    if (className == QLatin1String("veltrano::ClickableLabel"))
        return new LinkAccessible(static_cast<ClickableLabel *>(object));
    return nullptr;
}

} // namespace

void installAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(programControls);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace veltrano
