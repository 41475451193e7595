#include "board/tooltip_layout.h"

#include "talents/talent_table.h"

#include <algorithm>

namespace {
// The panel's size before it fits its texts: the unlearn hint is placed against its right edge.
constexpr int DesignWidth = 355;
constexpr int Left = 6;
constexpr int TextWidth = 345;
constexpr int LineHeight = 13;
constexpr int RankTop = 16;
constexpr int LevelsTop = 31;
constexpr int Gap = 5;        // above the hints, and above the rank texts below the first row
constexpr int HintMargin = 4; // between the unlearn hint and the border
constexpr int BorderWidth = 1;
constexpr QPoint NameAt(Left, 1);
constexpr int LearnHintLeft = 2;
// Unwrapped texts are measured in a box wider than any line of the panel.
constexpr int MeasureBox = 2000;
} // namespace

int tooltipTextFlags(TooltipPart part)
{
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs;
    return part == TooltipPart::Description ? flags | Qt::TextWordWrap : flags;
}

QSize measureTooltipText(const QFontMetrics &font, TooltipPart part, const QString &text)
{
    if (part == TooltipPart::Description)
        return {TextWidth,
                font.boundingRect(QRect(0, 0, TextWidth, MeasureBox), tooltipTextFlags(part), text)
                    .height()};
    return font.boundingRect(QRect(0, 0, MeasureBox, MeasureBox), tooltipTextFlags(part), text)
        .size();
}

TooltipLayout layOutTooltip(const TooltipTextSizes &sizes, bool levelsShown, int slot,
                            bool comparedShown)
{
    TooltipLayout layout;
    auto &r = layout.rects;
    r[indexOf(TooltipPart::Name)] = QRect(NameAt, sizes.name);
    r[indexOf(TooltipPart::Rank)] = QRect(Left, RankTop, TextWidth, LineHeight);
    // The compared and levels lines, when shown, push everything under the rank line down by
    // their height.
    layout.comparedShown = comparedShown;
    layout.levelsShown = levelsShown;
    int top = LevelsTop;
    if (comparedShown) {
        r[indexOf(TooltipPart::Compared)] = QRect(Left, top, TextWidth, LineHeight);
        top += LineHeight;
    }
    if (levelsShown) {
        r[indexOf(TooltipPart::Levels)] = QRect(Left, top, TextWidth, LineHeight);
        top += LineHeight;
    }
    const QRect requirements(QPoint(Left, top), sizes.requirements);
    r[indexOf(TooltipPart::Requirements)] = requirements;

    // The rank texts follow the requirement lines, a little lower for talents below the first row.
    const QRect description(
        Left, requirements.y() + requirements.height() + (slot > ColumnsPerRow ? Gap : 0),
        TextWidth, sizes.description.height());
    r[indexOf(TooltipPart::Description)] = description;

    const int hintsTop = description.y() + description.height() + Gap;
    r[indexOf(TooltipPart::LearnHint)] = QRect(QPoint(LearnHintLeft, hintsTop), sizes.learnHint);
    const int hintRight = DesignWidth - HintMargin;
    r[indexOf(TooltipPart::UnlearnHint)] =
        QRect(QPoint(hintRight - sizes.unlearnHint.width(), hintsTop), sizes.unlearnHint);

    // The panel encloses its texts with room for its border on the far sides, and keeps the
    // margin right of the unlearn hint however narrow its texts are.
    int right = 0;
    int bottom = 0;
    for (std::size_t k = 0; k < TooltipPartCount; ++k) {
        if (!layout.shows(static_cast<TooltipPart>(k)))
            continue;
        right = std::max(right, r[k].x() + r[k].width());
        bottom = std::max(bottom, r[k].y() + r[k].height());
    }
    layout.size = QSize(std::max(right + BorderWidth, hintRight + HintMargin + BorderWidth),
                        bottom + BorderWidth);
    return layout;
}
