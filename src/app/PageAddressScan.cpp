#include "PageAddressScan.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace PageAddressScan {
namespace {

using TAddresses = std::vector<TAddress>;

// How an attribute holds its addresses.
enum class TForm {
    Address,     // one
    AddressList, // several, between spaces or commas
    Candidates,  // pictures to choose from, "address [width or density]" between commas
    StyleText,   // style sheet rules
    PageText,    // a whole page, shown in a frame
};

struct TRule {
    std::u16string_view Attribute;
    TForm Form;
    TUse Use;
};

// What each attribute that names an address holds, and whether the engine fetches it by itself.
constexpr std::array kRules = {
    TRule{u"src", TForm::Address, TUse::Loads},
    TRule{u"poster", TForm::Address, TUse::Loads},
    TRule{u"background", TForm::Address, TUse::Loads},
    TRule{u"data", TForm::Address, TUse::Loads},
    TRule{u"codebase", TForm::Address, TUse::Loads},
    TRule{u"manifest", TForm::Address, TUse::Loads},
    TRule{u"archive", TForm::AddressList, TUse::Loads},
    // The engine tells these of each click by itself, whatever the user meant to follow.
    TRule{u"ping", TForm::AddressList, TUse::Loads},
    TRule{u"srcset", TForm::Candidates, TUse::Loads},
    TRule{u"imagesrcset", TForm::Candidates, TUse::Loads},
    TRule{u"style", TForm::StyleText, TUse::Loads},
    TRule{u"srcdoc", TForm::PageText, TUse::Loads},
    TRule{u"action", TForm::Address, TUse::Navigates},
    TRule{u"formaction", TForm::Address, TUse::Navigates},
    TRule{u"longdesc", TForm::Address, TUse::Navigates},
    TRule{u"cite", TForm::Address, TUse::Navigates},
};

// Attributes whose address the user follows on a link and the engine fetches anywhere else: a
// style sheet, the base of every address of the page, an SVG picture or use.
constexpr std::array<std::u16string_view, 2> kReferences = {u"href", u"xlink:href"};
constexpr std::array<std::u16string_view, 2> kLinkElements = {u"a", u"area"};

constexpr std::array<std::pair<std::u16string_view, char16_t>, 5> kNamedCharacters = {{
    {u"amp", u'&'},
    {u"lt", u'<'},
    {u"gt", u'>'},
    {u"quot", u'"'},
    {u"apos", u'\''},
}};
constexpr int kDecimal = 10;
constexpr int kHexadecimal = 16;
constexpr char32_t kLastCodePoint = 0x10FFFF;

template <size_t N> bool IsOneOf(QStringView name, const std::array<std::u16string_view, N>& names)
{
    return std::any_of(names.begin(), names.end(),
                       [name](std::u16string_view one) { return name == QStringView(one); });
}

// The text of whichever of the match's alternatives from group `first` on matched.
QString Alternative(const QRegularExpressionMatch& match, int first)
{
    QString text;
    for (int group = first; group <= match.lastCapturedIndex(); ++group)
        text += match.captured(group);
    return text;
}

// The character a reference names by number ("104", "x68") or by name ("amp"), or the
// replacement character.
QString Character(const QString& numeric, const QString& named)
{
    for (const auto& [name, character] : kNamedCharacters)
        if (named == QStringView(name))
            return QString(QChar(character));
    const bool hexadecimal = numeric.startsWith(u'x', Qt::CaseInsensitive);
    bool ok = false;
    const char32_t code =
        numeric.mid(hexadecimal ? 1 : 0).toUInt(&ok, hexadecimal ? kHexadecimal : kDecimal);
    if (!ok || code == 0 || code > kLastCodePoint)
        return QString(QChar(QChar::ReplacementCharacter));
    return QString::fromUcs4(&code, 1);
}

// An attribute as the engine reads it: any letter of an address may be written as a character
// reference.
QString Decoded(const QString& value)
{
    static const QRegularExpression kReference(
        QStringLiteral("&(?:#([xX][0-9a-fA-F]+|[0-9]+);?|(amp|lt|gt|quot|apos);)"));
    QString decoded;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& reference : kReference.globalMatch(value)) {
        decoded += QStringView(value).mid(from, reference.capturedStart() - from);
        decoded += Character(reference.captured(1), reference.captured(2));
        from = reference.capturedEnd();
    }
    decoded += QStringView(value).mid(from);
    return decoded;
}

void AddAddress(const QString& address, TUse use, TAddresses& addresses)
{
    if (const QString trimmed = address.trimmed(); !trimmed.isEmpty())
        addresses.push_back({trimmed, use});
}

// The style sheet's url() and @import; a commented-out rule fetches nothing.
void AddStyleSheet(const QString& text, TAddresses& addresses)
{
    static const QRegularExpression kComments(QStringLiteral(R"(/\*.*?\*/)"),
                                              QRegularExpression::DotMatchesEverythingOption);
    // A url() holds its address quoted or bare; @import may name it as a plain string.
    static const QRegularExpression kSources(
        QStringLiteral(R"re(\burl\(\s*(?:"([^"]*)"|'([^']*)'|([^)"'\s]*))\s*\))re"
                       R"re(|@import\s+(?:"([^"]*)"|'([^']*)'))re"),
        QRegularExpression::CaseInsensitiveOption);
    const QString rules = QString(text).remove(kComments);
    for (const QRegularExpressionMatch& source : kSources.globalMatch(rules))
        AddAddress(Alternative(source, 1), TUse::Loads, addresses);
}

void AddMarkup(const QString& text, TAddresses& addresses);

void AddValue(const QString& value, TForm form, TUse use, TAddresses& addresses)
{
    static const QRegularExpression kListSeparators(QStringLiteral(R"([\s,]+)"));
    switch (form) {
    case TForm::Address:
        AddAddress(value, use, addresses);
        break;
    case TForm::AddressList:
        for (const QString& address : value.split(kListSeparators, Qt::SkipEmptyParts))
            AddAddress(address, use, addresses);
        break;
    case TForm::Candidates:
        for (const QString& candidate : value.split(u','))
            AddAddress(candidate.simplified().section(u' ', 0, 0), use, addresses);
        break;
    case TForm::StyleText:
        AddStyleSheet(value, addresses);
        break;
    case TForm::PageText:
        AddMarkup(value, addresses);
        break;
    }
}

std::optional<TRule> RuleFor(const QString& attribute, const QString& element)
{
    if (IsOneOf(attribute, kReferences))
        return TRule{
            {}, TForm::Address, IsOneOf(element, kLinkElements) ? TUse::Navigates : TUse::Loads};
    for (const TRule& rule : kRules)
        if (attribute == QStringView(rule.Attribute))
            return rule;
    return std::nullopt;
}

// Where a page's refresh takes it, from "seconds; url=address"; empty when it reloads itself.
QString RefreshTarget(const QString& content)
{
    static const QRegularExpression kTarget(
        QStringLiteral(R"re([;,]\s*(?:url\s*=\s*)?["']?([^"']*))re"),
        QRegularExpression::CaseInsensitiveOption);
    return kTarget.match(content).captured(1);
}

// Each attribute, its name in lower case as the engine compares it, in the order written.
std::vector<std::pair<QString, QString>> Attributes(const QString& text)
{
    static const QRegularExpression kAttribute(
        QStringLiteral(R"re(([^\s"'=/>]+)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re"));
    std::vector<std::pair<QString, QString>> attributes;
    for (const QRegularExpressionMatch& attribute : kAttribute.globalMatch(text))
        attributes.emplace_back(attribute.captured(1).toLower(),
                                Decoded(Alternative(attribute, 2)));
    return attributes;
}

// The addresses of one tag's attributes, and where a refresh takes the page.
void AddElement(const QString& element, const QString& attributeText, TAddresses& addresses)
{
    QString httpEquiv;
    QString content;
    for (const auto& [name, value] : Attributes(attributeText)) {
        if (const std::optional<TRule> rule = RuleFor(name, element))
            AddValue(value, rule->Form, rule->Use, addresses);
        else if (name == u"http-equiv")
            httpEquiv = value;
        else if (name == u"content")
            content = value;
    }
    if (element == u"meta" && httpEquiv.trimmed().compare(u"refresh", Qt::CaseInsensitive) == 0)
        AddAddress(RefreshTarget(content), TUse::Loads, addresses);
}

// The addresses of every tag, then those of the style elements.
void AddMarkup(const QString& text, TAddresses& addresses)
{
    // A tag ends at the first ">" outside quotes: an address may hold one (">>0").
    static const QRegularExpression kTags(
        QStringLiteral(R"re(<\s*([\w:-]+)((?:[^>"']|"[^"]*"|'[^']*')*)>)re"));
    static const QRegularExpression kStyleElements(
        QStringLiteral(R"re(<\s*style\b[^>]*>(.*?)<\s*/\s*style\s*>)re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    for (const QRegularExpressionMatch& tag : kTags.globalMatch(text))
        AddElement(tag.captured(1).toLower(), tag.captured(2), addresses);
    for (const QRegularExpressionMatch& style : kStyleElements.globalMatch(text))
        AddStyleSheet(style.captured(1), addresses);
}

} // namespace

std::vector<TAddress> Addresses(const QString& text, TText kind)
{
    TAddresses addresses;
    if (kind == TText::StyleSheet)
        AddStyleSheet(text, addresses);
    else
        AddMarkup(text, addresses);
    return addresses;
}

} // namespace PageAddressScan
