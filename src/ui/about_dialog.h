#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class LabelControl;
class QPlainTextEdit;
class QPushButton;

// The About dialog: what the program is, how to support its author, whom to write to and a link
// to the product's web page. Created once, hidden, after the main window; the main window shows it
// modally and it hides again when closed. Its texts follow the language current at each showing.
class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    // `languageCode` answers the current language code whenever the dialog is shown.
    AboutDialog(QWidget *parent, std::function<QString()> languageCode);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildDesign();
    // Fills the text box and the title in the current language and puts the focus on OK. Runs
    // each time just before the dialog becomes visible.
    void fillTexts();
    // Opens the link's address (its hint) with the user's browser; a failure is not reported.
    void linkPressed();

    QPlainTextEdit *textBox_ = nullptr; // st1
    LabelControl *link_ = nullptr;      // lb_url
    QPushButton *okButton_ = nullptr;   // BitBtn1
    std::function<QString()> languageCode_;
};
