#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class Library;
class MoreStrings;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
struct LibraryEntry;

// The library of builds in the window's dark look: every build (name, class, points and level,
// saved date, the first line of its notes), newest first, a filter field that has the focus, the
// selected build's notes, and the buttons that keep the board, rename and delete builds. Enter or a
// double press chooses the selected build: the window opens it, or compares the board with it.
class LibraryDialog final : public QDialog {
    Q_OBJECT
public:
    struct Actions {
        std::function<void(const LibraryEntry &)> choose; // Enter, a double press, the first button
        std::function<void()> keepBoard;                  // "Save the board as..."
    };
    // `classNames` name the builds' classes; `chooseText` is the first button's caption.
    LibraryDialog(QWidget *parent, Library &library, const QStringList &classNames,
                  const MoreStrings &more, const QString &chooseText, Actions actions);

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillList();
    void applyFilter();
    void showSelected();
    void keepNotes();
    void chooseSelected();
    void renameSelected();
    void deleteSelected();
    QString selectedPath() const;
    const LibraryEntry *selectedEntry() const;

    Library &library_;
    QStringList classNames_;
    const MoreStrings &more_;
    Actions actions_;
    QLineEdit *filter_ = nullptr;
    QTreeWidget *list_ = nullptr;
    QPlainTextEdit *notes_ = nullptr;
    QPushButton *undoDelete_ = nullptr;
    QStringList folded_;    // each entry's name, class and notes, folded for the filter
    QString notesShownFor_; // the build whose notes the text box holds
    QString selectNext_;    // the build to select when the list is filled again
};
