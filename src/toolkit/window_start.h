#pragma once

#include <functional>

class QWidget;

// Shows a program's main window in the middle of its screen (a window manager may still place
// it), reporting its first frame when start-up is being measured (see base/first_frame_report.h).
void showCentred(QWidget &window);

// Runs `then` from the event loop once the window's first frame is painted: work the window does
// not need to show itself. Asked before showCentred(), it runs after a start-up measurement has
// taken the frame's time.
void afterFirstFrame(QWidget &window, std::function<void()> then);
