#pragma once

#include <QDialog>
#include <functional>

class MoreStrings;
class QCheckBox;
class QPlainTextEdit;

// The summary of the build on the board: its text, which can be copied for chat and forums, and a
// picture of the three trees, which can be saved.
class SummaryDialog final : public QDialog {
    Q_OBJECT
public:
    // `savePicture` saves the board's picture at the scale it is given (1 or 2).
    SummaryDialog(QWidget *parent, const QString &text, const MoreStrings &more,
                  std::function<void(int)> savePicture);

private:
    QPlainTextEdit *text_ = nullptr;
    QCheckBox *doubleSize_ = nullptr;
};
