#pragma once

#include "toolkit/dialogs.h"

#include <QStringList>
#include <QVector>
#include <QWidget>
#include <functional>

// Stands in for every dialog in tests: records what would have been shown and answers file
// dialogs from a queue, so that no test ever waits for a user.
class RecordingDialogs final : public Dialogs {
public:
    struct Message {
        QString caption;
        QString text;
    };

    RecordingDialogs() { setDialogs(this); }
    ~RecordingDialogs() override { setDialogs(nullptr); }
    RecordingDialogs(const RecordingDialogs &) = delete;
    RecordingDialogs &operator=(const RecordingDialogs &) = delete;

    void message(QWidget *, const QString &caption, const QString &text) override
    {
        messages.append({caption, text});
    }
    QString openFileName(QWidget *owner, const QString &title, const QString &folder) override
    {
        noteOwner(owner);
        openTitles.append(title);
        folders.append(folder);
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
    QString saveFileName(QWidget *owner, const QString &title, const QString &folder,
                         const QString &filter) override
    {
        noteOwner(owner);
        saveTitles.append(title);
        saveFilters.append(filter);
        folders.append(folder);
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
    std::optional<QString> askText(QWidget *, const QString &title, const QString &,
                                   const QString &suggestion) override
    {
        questions.append(title + u'|' + suggestion);
        if (textAnswers.isEmpty())
            return std::nullopt;
        return textAnswers.takeFirst();
    }
    bool confirm(QWidget *, const QString &, const QString &question) override
    {
        questions.append(question);
        return confirmAnswers.isEmpty() ? false : confirmAnswers.takeFirst();
    }
    int runModal(QDialog *dialog) override;
    // Forgets what was recorded, as before a new test.
    void clear()
    {
        messages.clear();
        fileAnswers.clear();
        openTitles.clear();
        saveTitles.clear();
        saveFilters.clear();
        folders.clear();
        addresses.clear();
        modals.clear();
        questions.clear();
        textAnswers.clear();
        confirmAnswers.clear();
        ownerEnabled.clear();
        whileModal = nullptr;
    }
    void openAddress(const QString &address) override { addresses.append(address); }

    QVector<Message> messages;
    QStringList fileAnswers; // answers of the next file dialogs; empty = cancelled
    QStringList openTitles;
    QStringList saveTitles;
    QStringList saveFilters;
    QStringList folders;
    QStringList addresses;
    QVector<QDialog *> modals;
    QStringList questions;        // each text asked (its title and suggestion) and each question
    QStringList textAnswers;      // answers of the next text fields; empty = cancelled
    QVector<bool> confirmAnswers; // answers of the next questions; empty = no
    std::function<void(QDialog *)> whileModal; // what the user does in a modal dialog, if set
    QVector<bool> ownerEnabled; // at each file dialog: whether the window behind took input

private:
    void noteOwner(const QWidget *owner) { ownerEnabled.append(owner && owner->isEnabled()); }
};
