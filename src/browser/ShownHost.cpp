#include "ShownHost.h"

#include <QStringList>
#include <QUrl>

#include <string_view>

namespace {

// Cyrillic and Greek letters that read as Latin ones in a host name.
constexpr char16_t kLatinLookAlikes[] = u"аысԁеԍһіюјӏорԗԛѕԝхуъьҽпгѵѡαικνορυχ";

bool LooksLatin(QChar letter)
{
    return std::u16string_view(kLatinLookAlikes).find(letter.unicode()) !=
           std::u16string_view::npos;
}

// Letters of more than one script; digits and hyphens belong to every script.
bool MixesScripts(const QString& label)
{
    QChar::Script seen = QChar::Script_Unknown;
    for (const QChar letter : label) {
        const QChar::Script script = letter.script();
        if (script == QChar::Script_Common || script == QChar::Script_Inherited)
            continue;
        if (seen != QChar::Script_Unknown && script != seen)
            return true;
        seen = script;
    }
    return false;
}

bool AllLookLatin(const QString& label)
{
    bool anyLetter = false;
    for (const QChar letter : label) {
        if (!letter.isLetter())
            continue;
        if (!LooksLatin(letter))
            return false;
        anyLetter = true;
    }
    return anyLetter;
}

QString ShownLabel(const QString& aceLabel)
{
    const QString label = QUrl::fromAce(aceLabel.toLatin1(), QUrl::IgnoreIDNWhitelist);
    const bool foreign = label != aceLabel;
    return foreign && (MixesScripts(label) || AllLookLatin(label)) ? aceLabel : label;
}

} // namespace

QString ShownHost(const QUrl& url)
{
    QStringList labels = url.host(QUrl::FullyEncoded).split(QLatin1Char('.'));
    for (QString& label : labels)
        label = ShownLabel(label);
    return labels.join(QLatin1Char('.'));
}
