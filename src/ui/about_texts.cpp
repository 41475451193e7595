#include "ui/about_texts.h"

namespace {

// Donations go to accounts of the CoinLantern transfer service, one account per coin kind: gold,
// silver and copper. Only the Russian text offers the copper account.
const QString PaymentService = QStringLiteral("CoinLantern");
const QString GoldAccount = QStringLiteral("G104729365812");
const QString SilverAccount = QStringLiteral("S583016247930");
const QString CopperAccount = QStringLiteral("C271948305617");

const QString ContactAddress = QStringLiteral("author@runeplan.example.org");
const QString Separator = QStringLiteral("________________________");

AboutTexts russianTexts()
{
    // Lines 1 and 2 are one sentence over two lines of the box; line 1 keeps the blank between
    // them.
    return {QStringLiteral("Оффлайн калькулятор талантов Eldermoor"),
            {QStringLiteral("Runeplan полностью бесплатен, однако вы можете "),
             QStringLiteral("поддержать автора, отправив 2 золотые или 2 серебряные монеты "
                            "либо 50 медных ;) "),
             PaymentService, GoldAccount, SilverAccount, CopperAccount}};
}

AboutTexts englishTexts()
{
    // "talants" is how the product has always spelled its English title.
    return {QStringLiteral("Offline calculator talants Eldermoor"),
            {QStringLiteral("Runeplan is basically freeware, although I would like to accept "
                            "small donations."),
             QStringLiteral("You can donate via the ") + PaymentService +
                 QStringLiteral(" transfer system."),
             QStringLiteral("Send 2 gold or 2 silver coins to one of these accounts:"), GoldAccount,
             SilverAccount}};
}

} // namespace

AboutTexts aboutTexts(const QString &languageCode)
{
    AboutTexts texts = languageCode == QStringLiteral("ru") ? russianTexts() : englishTexts();
    texts.lines << Separator << QStringLiteral("Email: ") + ContactAddress;
    return texts;
}
