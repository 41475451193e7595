#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

// A talent as a fixture tree file states it.
struct FixtureTalent {
    int slot = 0;
    int maxRank = 1;
    int prereq = 0;
    bool icon = true; // whether its picture file exists
};

struct FixtureTree {
    QString name;
    QVector<FixtureTalent> talents;
};

// A small data folder in a temporary directory, laid out as the planner expects: language list,
// last language, two strings files and whatever classes a test writes.
class FixtureWorld {
public:
    FixtureWorld();

    QString exeDir() const { return dir_.path(); }
    QString path(const QString &relative) const; // under datas/
    void write(const QString &relative, const QByteArray &bytes);
    void remove(const QString &relative);

    // The default strings of a language: "<code>:<index>" for each of the 29 lines, with class
    // names "<code> class <n>".
    static QStringList defaultStrings(const QString &code);
    void writeStrings(const QString &code, const QStringList &lines);

    // A tree with its background, emblem, tree file (in each language given) and icons.
    void writeTree(const QString &classCode, int tree, const FixtureTree &shape,
                   const QStringList &languages = {QStringLiteral("en"), QStringLiteral("ru")});
    // The 21 arrow bitmaps.
    void writeArrows();

    // A class with three trees that exercises the rules: see fixture_world.cpp.
    static QVector<FixtureTree> standardClass();
    void writeStandardClass(const QString &classCode = QStringLiteral("Dd"));

    // The text of a tree file for `shape` in `language`: talent names "<lang> talent
    // <tree>-<slot>", rank texts "<lang> rank <k> of <tree>-<slot>".
    static QByteArray treeFileText(const FixtureTree &shape, int tree, const QString &language);

    // The colour of a fixture icon, distinct per tree and slot.
    static QColor iconColour(int tree, int slot);

private:
    QTemporaryDir dir_;
};

// JPEG bytes of a picture filled with one colour.
QByteArray solidJpeg(int width, int height, const QColor &colour);
