#pragma once

#include <QIcon>
#include <QStringList>

// An icon made of picture files (one size each) that are read only when a picture of the icon is
// first asked for. The window icon is one: the X11 platform asks for every size as the window
// appears, but a platform that shows no window icon (offscreen, or one that takes it from the
// desktop entry) never has the files decoded, and its first frame does not wait for them.
QIcon iconOnDemand(const QStringList &files);
