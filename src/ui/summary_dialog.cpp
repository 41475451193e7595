#include "ui/summary_dialog.h"

#include "board/fonts.h"
#include "datafolder/more_strings.h"
#include "toolkit/choice_box.h"
#include "toolkit/dialog_look.h"
#include "toolkit/error_report.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

SummaryDialog::SummaryDialog(QWidget *parent, const QString &text, const MoreStrings &more,
                             std::function<void(int, bool)> savePicture)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fr_summary"));
    setWindowTitle(more.at(More::Summary));
    resize(640, 560);
    text_ = new QPlainTextEdit(text, this);
    text_->setObjectName(QStringLiteral("summaryText"));
    text_->setReadOnly(true);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setAccessibleName(more.at(More::Summary));

    auto *copy = new QPushButton(more.at(More::CopyAsText), this);
    copy->setObjectName(QStringLiteral("bt_copytext"));
    auto *picture = new QPushButton(more.at(More::SavePicture), this);
    picture->setObjectName(QStringLiteral("bt_picture"));
    doubleSize_ = new QCheckBox(more.at(More::DoubleSize), this);
    doubleSize_->setObjectName(QStringLiteral("cb_double"));
    band_ = new ChoiceBox(this, QStringLiteral("cb_band"));
    band_->addItems({more.at(More::TreesAndBuild), more.at(More::TreesAlone)});
    band_->select(0);
    band_->setAccessibleName(more.at(More::SavePicture));
    auto *close = new QPushButton(more.at(More::Close), this);
    close->setObjectName(QStringLiteral("bt_close"));
    close->setDefault(true);

    connectGuarded(copy, &QPushButton::clicked, this,
                   [text] { QGuiApplication::clipboard()->setText(text); });
    connectGuarded(picture, &QPushButton::clicked, this, [this, savePicture] {
        savePicture(doubleSize_->isChecked() ? 2 : 1, band_->currentIndex() == 0);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(picture);
    buttons->addWidget(band_);
    buttons->addWidget(doubleSize_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    applyDialogLook(this);
}
