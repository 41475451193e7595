#pragma once

#include "fixture_world.h"

#include <QString>
#include <QVector>
#include <functional>

// The catalogue of broken inputs that test_bad_inputs walks: each a way to break the data folder, a
// plan, a code or a file of the library of builds, what is done then, and what must follow.

enum class Action { Start, ChooseClass, SwitchLanguage, LoadPlan, PasteCode, ListLibrary };
// Listed: the library lists the file as unreadable with the reason, and no box opens.
enum class Outcome { Fatal, Error, Loads, Listed };

struct BadInput {
    const char *name;
    Action action;
    std::function<void(FixtureWorld &)> damage;
    QString file;   // the file the message must name, under datas/ (or the plan's name)
    QString reason; // words the message must hold
    Outcome outcome;
};

const QVector<BadInput> &catalogue();
