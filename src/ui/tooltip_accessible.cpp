#include "ui/tooltip_accessible.h"

#include "ui/tooltip_widget.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

namespace {

QString describePart(TooltipPart part)
{
    switch (part) {
    case TooltipPart::Name:
        return QStringLiteral("The talent's name");
    case TooltipPart::Rank:
        return QStringLiteral("The talent's rank");
    case TooltipPart::Compared:
        return QStringLiteral("The talent's rank in the build the board is compared with");
    case TooltipPart::Levels:
        return QStringLiteral("The character levels at which the talent took its points");
    case TooltipPart::Requirements:
        return QStringLiteral("What the talent needs before a point can go into it");
    case TooltipPart::Description:
        return QStringLiteral("What the talent does at its current and next rank");
    case TooltipPart::LearnHint:
        return QStringLiteral("A left press spends a point");
    case TooltipPart::UnlearnHint:
        return QStringLiteral("A right press gives a point back");
    }
    return {};
}

// One text of the panel. It has no object of its own: the panel's interface owns it.
class TooltipTextAccessible final : public QAccessibleInterface {
public:
    TooltipTextAccessible(TooltipWidget &panel, TooltipPart part) : panel_(&panel), part_(part) {}

    bool isValid() const override { return !panel_.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return panel_ ? panel_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return panel_ ? QAccessible::queryAccessibleInterface(panel_.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !panel_ || !panel_->isVisible() || !panel_->showsText(part_);
        return state;
    }
    QRect rect() const override
    {
        if (!panel_)
            return {};
        const QRect at = panel_->textRect(part_);
        return QRect(panel_->mapToGlobal(at.topLeft()), at.size());
    }
    QString text(QAccessible::Text t) const override
    {
        if (!panel_)
            return {};
        if (t == QAccessible::Name)
            return panel_->shownText(part_);
        if (t == QAccessible::Description)
            return describePart(part_);
        return {};
    }
    void setText(QAccessible::Text, const QString &) override {}

private:
    QPointer<TooltipWidget> panel_;
    TooltipPart part_;
};

// The panel: a border pane whose children are its texts, in the order they are painted.
class TooltipAccessible final : public QAccessibleWidget {
public:
    explicit TooltipAccessible(TooltipWidget &panel)
        : QAccessibleWidget(&panel, QAccessible::Border)
    {
        for (std::size_t k = 0; k < TooltipPartCount; ++k)
            ids_[k] = QAccessible::registerAccessibleInterface(
                new TooltipTextAccessible(panel, static_cast<TooltipPart>(k)));
    }
    ~TooltipAccessible() override
    {
        // The cache may have deleted them already when it goes, which it allows for.
        for (const QAccessible::Id id : ids_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(TooltipPartCount); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        return QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (std::size_t k = 0; k < TooltipPartCount; ++k) {
            if (QAccessible::accessibleInterface(ids_[k]) == child)
                return static_cast<int>(k);
        }
        return -1;
    }

private:
    std::array<QAccessible::Id, TooltipPartCount> ids_{};
};

QAccessibleInterface *tooltipInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String("TooltipWidget") || !object)
        return nullptr;
    return new TooltipAccessible(*static_cast<TooltipWidget *>(object));
}

} // namespace

void installTooltipAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(tooltipInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void announceTooltipText(TooltipWidget &panel, TooltipPart part)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&panel);
    if (QAccessibleInterface *text =
            face ? face->child(static_cast<int>(indexOf(part))) : nullptr) {
        QAccessibleEvent changed(text, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}
