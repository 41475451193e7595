#include "ui/hand_over_loading.h"

#include "cli/planner_channel.h"
#include "handover/hand_over_ends.h"

#include <QLibrary>

const HandOverEnds *handOverEnds()
{
    static const HandOverEnds *const ends = []() -> const HandOverEnds * {
        QLibrary module(programFolder() + QStringLiteral("/libruneplan_hand_over.so"));
        const auto entry = reinterpret_cast<HandOverEntryFunction>(module.resolve(HandOverEntry));
        if (!entry) {
            qWarning("one planner per user: %s", qPrintable(module.errorString()));
            return nullptr;
        }
        // The module stays loaded as long as the program runs.
        return entry();
    }();
    return ends;
}
