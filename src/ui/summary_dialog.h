#pragma once

#include <QDialog>
#include <functional>

class ChoiceBox;
class MoreStrings;
class QCheckBox;
class QPlainTextEdit;

// The summary of the build on the board: its text, which can be copied for chat and forums, and a
// picture of the three trees, which can be saved with the band that names the build or without.
class SummaryDialog final : public QDialog {
    Q_OBJECT
public:
    // `savePicture` saves the board's picture at the scale it is given (1 or 2), with the band
    // when its second argument is true.
    SummaryDialog(QWidget *parent, const QString &text, const MoreStrings &more,
                  std::function<void(int, bool)> savePicture);

private:
    QPlainTextEdit *text_ = nullptr;
    QCheckBox *doubleSize_ = nullptr;
    ChoiceBox *band_ = nullptr; // "Trees and build" first, then "Trees alone"
};
