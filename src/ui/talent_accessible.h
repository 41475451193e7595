#pragma once

#include <QString>

class ImageControl;

// What a screen reader says of a talent icon: a button named by the talent and its rank (the
// icon's accessible name, kept by the window), described by its state and requirement line,
// worked out when asked, so that a class load does not compose 132 texts nobody may read.
class TalentSpeaker {
public:
    virtual ~TalentSpeaker() = default;
    virtual QString talentDescription(const ImageControl &icon) const = 0;
};

// Marks `icon` as a talent of `speaker`'s board; call once per icon, before assistive technology
// asks for it.
void speakAsTalent(ImageControl &icon, const TalentSpeaker &speaker);
