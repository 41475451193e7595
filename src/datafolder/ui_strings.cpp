#include "datafolder/ui_strings.h"

#include "base/error.h"
#include "talents/talent_table.h"
#include "talents/text_lines.h"

void UiStrings::load(const QString &path)
{
    clear();
    file_ = path;
    lines_ = readListFile(path);
}

void UiStrings::clear()
{
    lines_.clear();
    file_.clear();
}

const QString &UiStrings::at(int index) const
{
    if (index < 0 || index >= lines_.size()) {
        throw Error(
            QStringLiteral("List index out of bounds (%1): the strings file %2 has %3 lines")
                .arg(QString::number(index),
                     file_.isEmpty() ? QStringLiteral("(none loaded)") : file_,
                     QString::number(lines_.size())));
    }
    return lines_.at(index);
}

QStringList UiStrings::classNames() const
{
    return lines_.mid(Str::FirstClassName, MaxClassNames);
}

QString counterCaption(const QString &label, int value)
{
    return label + QStringLiteral(": ") + QString::number(value);
}

int freePoints(int totalPoints)
{
    return PointBudget - totalPoints;
}

int characterLevel(int totalPoints)
{
    return totalPoints + 9;
}
