#include "toolkit/choice_box.h"

ChoiceBox::ChoiceBox(QWidget *parent, const QString &name) : QComboBox(parent)
{
    setObjectName(name);
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, &ChoiceBox::chosen);
}

void ChoiceBox::select(int index)
{
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}
