#include "ui/summary_dialog.h"

#include "build/build.h"
#include "build/build_summary.h"
#include "toolkit/choice_box.h"
#include "toolkit/dialog_look.h"
#include "toolkit/error_report.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

SummaryDialog::SummaryDialog(QWidget *parent, Build &build, std::function<QString()> summaryText,
                             std::function<void(int, bool)> savePicture)
    : QDialog(parent), build_(build), summaryText_(std::move(summaryText))
{
    const MoreStrings &more = build.moreStrings();
    setObjectName(QStringLiteral("fr_summary"));
    setWindowTitle(more.at(More::Summary));
    resize(960, 560);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("summaryText"));
    text_->setReadOnly(true);
    text_->setFont(fixed);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setAccessibleName(more.at(More::Summary));

    auto *stepsLabel = new QLabel(more.at(More::SummarySteps), this);
    steps_ = new QListWidget(this);
    steps_->setObjectName(QStringLiteral("summarySteps"));
    steps_->setFont(fixed);
    steps_->setAccessibleName(more.at(More::SummarySteps));
    steps_->setDragDropMode(QAbstractItemView::InternalMove);
    stepsLabel->setBuddy(steps_);
    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("stepRefusal"));
    refusal_->setWordWrap(true);

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
                   [this] { QGuiApplication::clipboard()->setText(text_->toPlainText()); });
    connectGuarded(picture, &QPushButton::clicked, this, [this, savePicture] {
        savePicture(doubleSize_->isChecked() ? 2 : 1, band_->currentIndex() == 0);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    steps_->installEventFilter(this);
    // A drag has already moved the row when it is heard of: the build decides, and the list is
    // made again from the build once the drop is over.
    connect(steps_->model(), &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex &, int start, int, const QModelIndex &, int row) {
                const int to = row > start ? row - 1 : row;
                QTimer::singleShot(0, this,
                                   [this, start, to] { guarded([&] { moveStep(start, to); }); });
            });
    connect(&build, &Build::orderChanged, this, [this] { showBuild(); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(picture);
    buttons->addWidget(band_);
    buttons->addWidget(doubleSize_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *stepsColumn = new QVBoxLayout;
    stepsColumn->addWidget(stepsLabel);
    stepsColumn->addWidget(steps_);
    stepsColumn->addWidget(refusal_);
    auto *columns = new QHBoxLayout;
    columns->addWidget(text_, 3);
    columns->addLayout(stepsColumn, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    applyDialogLook(this);
    showBuild();
}

bool SummaryDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Alt+Up and Alt+Down move the selected step rather than the selection.
    if (watched == steps_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (walkHistory(*key))
            return true;
        if (key->modifiers() == Qt::AltModifier &&
            (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            guarded([&] { moveSelectedStep(key->key() == Qt::Key_Up ? -1 : 1); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SummaryDialog::keyPressEvent(QKeyEvent *event)
{
    if (!walkHistory(*event))
        QDialog::keyPressEvent(event);
}

bool SummaryDialog::walkHistory(const QKeyEvent &key)
{
    // Undo and redo reach the build from here too: the window's own keys wait while the summary is
    // open, and a move is undone where it was made.
    const bool undo = key.matches(QKeySequence::Undo);
    if (!undo && !key.matches(QKeySequence::Redo))
        return false;
    guarded([&] {
        if (undo && build_.history().canUndo())
            build_.undo();
        else if (!undo && build_.history().canRedo())
            build_.redo();
    });
    return true;
}

void SummaryDialog::moveSelectedStep(int places)
{
    const int from = steps_->currentRow();
    const int to = from + places;
    if (from < 0 || to < 0 || to >= steps_->count())
        return;
    moveStep(from, to);
}

void SummaryDialog::moveStep(int from, int to)
{
    const QString refusal = build_.moveStep(from, to);
    refusal_->setText(refusal);
    // A refused drag leaves the list as the build has it; a move selects the step where it went.
    showBuild();
    steps_->setCurrentRow(refusal.isEmpty() ? to : from);
}

void SummaryDialog::showBuild()
{
    text_->setPlainText(summaryText_());
    const int current = steps_->currentRow();
    steps_->clear();
    steps_->addItems(stepLines(build_.talents(), build_.order(), build_.moreStrings()));
    steps_->setCurrentRow(std::clamp(current, 0, steps_->count() - 1));
}
