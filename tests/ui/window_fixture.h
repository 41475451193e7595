#pragma once

#include "controls_by_name.h"
#include "fixture_world.h"
#include "recording_dialogs.h"
#include "toolkit/choice_box.h"
#include "ui/main_window.h"

#include <memory>

// A window opened on a fixture world, with every dialog recorded instead of shown.
struct OpenedWindow {
    RecordingDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    void open(const FixtureWorld &world)
    {
        window = std::make_unique<MainWindow>(world.exeDir());
        window->show();
    }
    MainWindow *operator->() const { return window.get(); }
    MainWindow &operator*() const { return *window; }
};

// A choice in a drop-down list as the user makes it: the selection changes and the box's handler
// runs, through the same guard as a real choice.
inline void chooseEntry(ChoiceBox *box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}
