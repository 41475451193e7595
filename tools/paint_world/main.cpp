// paint_world <world-source-dir> <output-datas-dir> <output-art-dir>
//
// Paints the pictures of the bundled world at build time: tree backgrounds, emblems and talent
// icons from each tree's art.txt, the prerequisite arrows and the program's own icon.

#include "base/error.h"
#include "world_painter.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        err << "usage: paint_world <world-source-dir> <output-datas-dir> <output-art-dir>\n";
        return 2;
    }
    try {
        const PaintTally tally = paintWorld(args.at(1), args.at(2), args.at(3));
        for (const QString &warning : tally.warnings)
            err << "paint_world: warning: " << warning << '\n';
        QTextStream(stdout) << "paint_world: " << tally.written << " written, " << tally.unchanged
                            << " unchanged, " << tally.removed << " removed\n";
    } catch (const Error &e) {
        err << "paint_world: error: " << e.message() << '\n';
        return 1;
    }
    return 0;
}
