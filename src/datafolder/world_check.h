#pragma once

#include "talents/finding.h"

#include <QString>
#include <QVector>

// Reads the whole data folder at `dataFolder` with the planner's own readers, as a start-up, a
// change of language and a load of every class would, and returns everything found wrong with it
// in the order the folder is walked: la.ini, last.ini, the strings and more-strings files, the
// arrow bitmaps, then each class folder tree by tree. On top of what the readers refuse it applies
// the checker's own rules (translations that change the rules, prerequisites on empty slots, the
// arrow limit, relations no arrow piece draws, pictures of an unexpected size, unknown keys).
// Every file that has something wrong is named at least once; a file the readers stop on is
// named with the first thing they stopped at. The folder itself must be readable (see
// checkDataFolderReadable).
QVector<Finding> checkDataFolder(const QString &dataFolder);

// Why the folder cannot be checked at all (it is not a folder, or cannot be listed or entered);
// empty when it can.
QString dataFolderUnreadable(const QString &dataFolder);
