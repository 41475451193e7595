#pragma once

#include <QString>
#include <QStringList>

// Indexes into the interface strings of a language, one phrase per line of "lang.<code>".
namespace Str {
enum : int {
    AddHint = 0,
    RemoveHint = 1,
    NeedsOpen = 2,
    NeedsMiddle = 3,
    NeedsClose = 4,
    NextRank = 5,
    Rank = 6,
    Spent = 7,
    Free = 8,
    Language = 9,
    Class = 10,
    Load = 11,
    Save = 12,
    Loading = 13,
    Reset = 14,
    Level = 15,
    FirstClassName = 19,
};
}

// The class box offers at most as many classes as there are class folders.
inline constexpr int MaxClassNames = 10;

// The interface strings of the current language.
class UiStrings {
public:
    // Empties the list, then reads the file; throws Error naming the file when it cannot.
    void load(const QString &path);
    void clear();

    // Throws Error naming the index and the file when the file is too short for it.
    const QString &at(int index) const;
    int size() const { return static_cast<int>(lines_.size()); }

    // Throws Error as at() does when the file lacks a line the window's captions use.
    void requireInterfaceLines() const { at(Str::Level); }

    // The class display names: entries 19 on, at most ten.
    QStringList classNames() const;

private:
    QStringList lines_;
    QString file_;
};

// "Spent: 12", "Free: 59", "Level: 21" and "Tree name: 12": the counter captions.
QString counterCaption(const QString &label, int value);
int freePoints(int totalPoints);
int characterLevel(int totalPoints);
