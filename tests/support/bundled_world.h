#pragma once

#include "point_rules_model.h"
#include "talents/tree_file.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

// The bundled world that the build assembles, as the tests find it.
inline QString worldDir()
{
    return qEnvironmentVariable("RUNEPLAN_WORLD_DIR");
}

// The talents of a class of the bundled world as its files state them, read into the model.
inline PointRulesModel modelOfClass(const QString &code)
{
    PointRulesModel model;
    const QDir world(worldDir());
    for (int tree = 1; tree <= 3; ++tree) {
        const QString folder = world.filePath(code + u'/' + QString::number(tree) + u'/');
        const TreeFile file = readTreeFile(folder + QStringLiteral("tal.en"));
        for (const TalentBlock &b : file.blocks) {
            const bool placed =
                QFileInfo::exists(folder + QString::number(b.header.slot) + QStringLiteral(".jpg"));
            model.talent(b.header.slot, tree) = {b.header.maxRank, b.header.prereq, placed, 0};
        }
    }
    return model;
}
