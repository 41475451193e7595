#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The board as the planner left it at its last close: the class and its ranks in the plan file
// format, in the user's data folder, one file per data folder (a planner on another world keeps
// its own). Never in the data folder itself, which may be read-only or shared.
class KeptSession {
public:
    // The session of the planner whose data folder is `dataFolder`, in `userFolder` (the
    // application's data location when empty).
    explicit KeptSession(const QString &dataFolder, const QString &userFolder = {});

    const QString &path() const { return path_; }
    // The kept plan's text; nothing when none was kept. Throws Error naming the file when it is
    // there but cannot be read.
    std::optional<QByteArray> read() const;
    // Replaces the kept plan with a complete new one; throws Error naming the file and the reason.
    void write(const QByteArray &plan) const;
    // Renames the kept plan to "<path>.<yyyy-MM-dd>.bak" beside it (or "…-2.bak" and on, when that
    // is taken) and returns the new path; throws Error naming the file when it cannot.
    QString setAside() const;

private:
    QString path_;
};

// Reports a failure of the kept session: one line on standard error, never a box, because the
// session is a convenience that must not stand in the way of a start or a close.
void reportSessionTrouble(const QString &message);
