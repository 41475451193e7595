#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <cstddef>

// The texts of the tooltip panel, in the order the panel paints them (a later one over an earlier
// one) and a screen reader reads them.
enum class TooltipPart {
    Name,
    Rank,
    Compared, // the compared build's rank, while the board is compared
    Levels,
    Requirements,
    Description,
    LearnHint,
    UnlearnHint
};
inline constexpr std::size_t TooltipPartCount = 8;

inline constexpr std::size_t indexOf(TooltipPart part)
{
    return static_cast<std::size_t>(part);
}

// One string per part, indexed by `indexOf`.
using TooltipStrings = std::array<QString, TooltipPartCount>;

// Where each text of the panel stands inside it, and the panel's size.
struct TooltipLayout {
    std::array<QRect, TooltipPartCount> rects{};
    bool levelsShown = false;   // an empty levels line takes no room and is not drawn
    bool comparedShown = false; // nor does an empty compared line
    QSize size;

    QRect rect(TooltipPart part) const { return rects[indexOf(part)]; }
    bool shows(TooltipPart part) const
    {
        return (part != TooltipPart::Levels || levelsShown) &&
               (part != TooltipPart::Compared || comparedShown);
    }
};

// The sizes of the texts that take the size of their text, as `measureTooltipText` gives them.
struct TooltipTextSizes {
    QSize name;
    QSize requirements;
    QSize description;
    QSize learnHint;
    QSize unlearnHint;
};

// The flags a text of the panel is measured and drawn with: from the top left, tabs expanded; the
// description wraps at the panel's text width.
int tooltipTextFlags(TooltipPart part);

// The size of `text` as drawn (a '\n' starts a line) in `font` as the text `part` of the panel.
// The description keeps the panel's text width and takes the height of its wrapped lines.
QSize measureTooltipText(const QFontMetrics &font, TooltipPart part, const QString &text);

// Lays the panel out for the talent in `slot`: the name, the requirement lines and the hints take
// the size of their text, the rank, compared and levels lines a fixed one (one not shown, none);
// the compared line comes right under the rank line. The texts stand in a column, the rank texts a
// little lower below the first row, the hints under them, the right one ending inside the panel's
// border; the panel encloses them all.
TooltipLayout layOutTooltip(const TooltipTextSizes &sizes, bool levelsShown, int slot,
                            bool comparedShown = false);
