#pragma once

#include <QList>

class ChoiceBox;
class FlatButton;
class LabelControl;
class MessageLine;
class MoreStrings;
class QLineEdit;
class QWidget;
class UiStrings;

// The controls of the window's side column, each at its place with its object name (given beside
// it), and how they show a build: the counters, and the captions, lists and hints of a language.
// The window wires them to its handlers.
class SideColumn {
public:
    explicit SideColumn(QWidget &window);

    // The captions and hints in a language, the class list with `classToSelect` chosen, and the
    // counters for `totalPoints` spent.
    void showLanguage(const UiStrings &strings, const MoreStrings &more, int classToSelect,
                      int totalPoints);
    void showCounters(const UiStrings &strings, int totalPoints);
    // The links from top to bottom, as Tab reaches them.
    QList<QWidget *> linksInTabOrder() const;

    FlatButton *aboutButton = nullptr;     // sp_ab
    LabelControl *languageLabel = nullptr; // lb_lang
    ChoiceBox *languageBox = nullptr;      // cb_lang
    LabelControl *classLabel = nullptr;    // lb_class
    ChoiceBox *classBox = nullptr;         // cb_class
    LabelControl *freeLabel = nullptr;     // Lb_Free
    LabelControl *spentLabel = nullptr;    // lb_tot
    LabelControl *levelLabel = nullptr;    // lb_lvl
    QLineEdit *focusSink = nullptr;        // Edit1
    MessageLine *messageLine = nullptr;    // lb_msg, where Edit1 would be
    FlatButton *resetButton = nullptr;     // bt_reset
    FlatButton *saveButton = nullptr;      // sp_save
    FlatButton *loadButton = nullptr;      // sp_load
    FlatButton *undoButton = nullptr;      // bt_undo
    FlatButton *redoButton = nullptr;      // bt_redo
    FlatButton *copyButton = nullptr;      // bt_copy
    FlatButton *pasteButton = nullptr;     // bt_paste
    FlatButton *summaryButton = nullptr;   // bt_summary
    FlatButton *compareButton = nullptr;   // bt_compare
    FlatButton *libraryButton = nullptr;   // bt_library

private:
    void buildLists(QWidget &window);
    void buildLinks(QWidget &window);
    void showLinkHints(const MoreStrings &more);
};
