#pragma once

#include "board/tooltip_layout.h"

class TooltipWidget;

// What a screen reader reads of the tooltip panel: the panel (named "Talent details") holds one
// static text per text it paints, named by the text as shown and described by what it is, with
// the rectangle the panel paints it in. An empty levels line is there but invisible.
// Call before assistive technology asks for a panel.
void installTooltipAccessible();

// Tells a screen reader that holds the panel's texts that the text of `part` changed.
void announceTooltipText(TooltipWidget &panel, TooltipPart part);
