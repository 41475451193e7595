#include "ui/talent_accessible.h"

#include "toolkit/image_control.h"

#include <QAccessibleWidget>

namespace {

const char *const SpeakerProperty = "runeplanTalentSpeaker";

class TalentAccessible final : public QAccessibleWidget {
public:
    TalentAccessible(QWidget *icon, const TalentSpeaker &speaker)
        : QAccessibleWidget(icon, QAccessible::Button), speaker_(speaker)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return speaker_.talentDescription(*static_cast<const ImageControl *>(widget()));
        return QAccessibleWidget::text(t);
    }

private:
    const TalentSpeaker &speaker_;
};

QAccessibleInterface *talentInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String("ImageControl") || !object)
        return nullptr;
    const QVariant speaker = object->property(SpeakerProperty);
    if (!speaker.isValid())
        return nullptr;
    return new TalentAccessible(static_cast<QWidget *>(object),
                                *static_cast<const TalentSpeaker *>(speaker.value<const void *>()));
}

} // namespace

void speakAsTalent(ImageControl &icon, const TalentSpeaker &speaker)
{
    static const bool installed = [] {
        QAccessible::installFactory(talentInterface);
        return true;
    }();
    Q_UNUSED(installed);
    icon.setProperty(SpeakerProperty, QVariant::fromValue(static_cast<const void *>(&speaker)));
}
