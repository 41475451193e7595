#pragma once

#include <QtGlobal>

// Qt's readers warn on stderr about the broken files they are fed (for example a seek past the
// end); a million of those would bury the fuzzer's own report. A fatal message still aborts.
inline void silenceQtWarnings()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &) {
        if (type == QtFatalMsg)
            __builtin_trap();
    });
}
