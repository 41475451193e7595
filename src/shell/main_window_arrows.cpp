// Prerequisite arrows.
#include "main_window.h"

void TForm1::createArrowImages() {}

void TForm1::clearArrows() {}

void TForm1::registerArrow(int, int, int, const QString &) {}

void TForm1::CheckArro() {}
