#include "board/text_sizes.h"

#include "board/trees_picture.h"

QSize TextSizes::of(const QString &text)
{
    constexpr qsizetype MaxTexts = 512;
    auto found = sizes_.constFind(text);
    if (found != sizes_.constEnd())
        return *found;
    if (sizes_.size() >= MaxTexts)
        sizes_.clear();
    return *sizes_.insert(text, boardTextSize(font_, text));
}
