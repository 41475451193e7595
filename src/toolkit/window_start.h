#pragma once

class QWidget;

// Shows a program's main window in the middle of its screen (a window manager may still place
// it), reporting its first frame when start-up is being measured (see base/first_frame_report.h).
void showCentred(QWidget &window);
