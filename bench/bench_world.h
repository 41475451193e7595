#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The class the benchmarks load: the one of the bundled world with the most talent icons, so that
// a class load is timed at its heaviest.
struct BenchClass {
    int index = -1; // in the class box
    QString code;
    int iconCount = 0;
    // Every picture a load of the class decodes: per tree fon.jpg, icv.jpg, then the icons.
    QStringList pictures;
};

// The folder that holds "datas": the benchmark's own, as the program's is.
QString benchExeDir();

// The heaviest class of the data folder under `exeDir`; the first in class box order among equals.
// Throws Error when the data folder holds no class.
BenchClass heaviestClass(const QString &exeDir);

// The bytes of every file, read now so that the decoding benchmarks time decoding alone.
QVector<QByteArray> readFiles(const QStringList &paths);
