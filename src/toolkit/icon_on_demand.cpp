#include "toolkit/icon_on_demand.h"

#include <QIconEngine>
#include <optional>

namespace {

// Answers every question with the icon the files make, read at the first question.
class OnDemandEngine final : public QIconEngine {
public:
    explicit OnDemandEngine(QStringList files) : files_(std::move(files)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        // The size is in device pixels already: a ratio of 1 keeps the icon from scaling again.
        return icon().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return files_.isEmpty(); }
    QString key() const override { return QStringLiteral("OnDemandEngine"); }
    QIconEngine *clone() const override { return new OnDemandEngine(files_); }

private:
    const QIcon &icon()
    {
        if (!icon_) {
            icon_.emplace();
            for (const QString &file : files_)
                icon_->addFile(file);
        }
        return *icon_;
    }

    QStringList files_;
    std::optional<QIcon> icon_;
};

} // namespace

QIcon iconOnDemand(const QStringList &files)
{
    return QIcon(new OnDemandEngine(files));
}
