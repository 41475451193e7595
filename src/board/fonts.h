#pragma once

#include <QFont>

// Registers the Tahoma files that the fonts-wine package installs (they lie outside the font
// paths the system searches). Quietly does nothing when they are absent: Qt then picks the
// closest family.
void registerTahoma();

// Starts registering them on a thread of its own, for registerTahoma() to wait for. QFontDatabase
// is safe to use from any thread once the application object exists.
void registerTahomaAhead();

// The board's two text sizes, in pixels: Tahoma 8 pt and 10 pt.
inline constexpr int SmallFont = 11;
inline constexpr int LargeFont = 13;

// Tahoma at a character height in pixels.
QFont tahoma(int pixelHeight, bool bold = false);
