#pragma once

#include <QDialog>
#include <functional>

class Build;
class ChoiceBox;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QListWidget;
class QPlainTextEdit;

// The summary of the build on the board: its text, which can be copied for chat and forums, a
// picture of the three trees, which can be saved with the band that names the build or without,
// and the build's steps level by level, which Alt+Up, Alt+Down or a drag move to another level as
// a step of the build's history, and Ctrl+Z undoes. The text and the steps follow the build.
class SummaryDialog final : public QDialog {
    Q_OBJECT
public:
    // `summaryText` gives the summary of the build as it stands; `savePicture` saves the board's
    // picture at the scale it is given (1 or 2), with the band when its second argument is true.
    SummaryDialog(QWidget *parent, Build &build, std::function<QString()> summaryText,
                  std::function<void(int, bool)> savePicture);

    // Moves the selected step `places` levels later (earlier when negative), saying why not
    // under the list of steps when the rules refuse it.
    void moveSelectedStep(int places);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Undo or redo of the build's history for a key that asks for one; false for any other key.
    bool walkHistory(const QKeyEvent &key);
    void showBuild();
    void moveStep(int from, int to);

    Build &build_;
    std::function<QString()> summaryText_;
    QPlainTextEdit *text_ = nullptr;
    QListWidget *steps_ = nullptr;
    QLabel *refusal_ = nullptr;
    QCheckBox *doubleSize_ = nullptr;
    ChoiceBox *band_ = nullptr; // "Trees and build" first, then "Trees alone"
};
