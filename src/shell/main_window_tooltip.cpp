// The tooltip panel beside a talent.
#include "main_window.h"

void TForm1::MouseEnter(ImageControl *) {}

void TForm1::MuseLeave() {}

void TForm1::RisHint(int, int) {}
