#include "WorkRecordCheck.h"

#include "ContentProblems.h"
#include "FilterVocabulary.h"
#include "IntegerText.h"
#include "ProfileFile.h"
#include "Win1251.h"

#include <QStringList>

#include <algorithm>
#include <numeric>
#include <span>
#include <utility>
#include <vector>

namespace {

using namespace FilterVocabulary;

// What the filter finds in the value: one of its words as the whole value, or in each
// comma-separated item.
enum class TMatch { WholeValue, EachItem };

struct TWordKey {
    std::string_view Key;
    std::span<const std::string_view> Words;
    TMatch Match;
    const char* Filter; // as the user knows it
};

constexpr std::array<TWordKey, 5> kWordKeys = {{
    {"complicate", kComplexityWords, TMatch::WholeValue, "complexity"},
    {"materials", kMaterialWords, TMatch::EachItem, "materials"},
    {"temper", kTemperWords, TMatch::WholeValue, "mood"},
    {"color", kColorWords, TMatch::EachItem, "colour"},
    {"theme", kThemeWords, TMatch::WholeValue, "theme"},
}};

constexpr std::string_view kNameKey = "name";
constexpr std::string_view kTimeKey = "time";
// A word this many edits or fewer from a filter's word was probably meant to be it.
constexpr qsizetype kNearEdits = 2;

// Letters inserted, removed or changed to make one text the other, without regard to case.
qsizetype EditDistance(const QString& from, const QString& to)
{
    std::vector<qsizetype> row(size_t(to.size()) + 1);
    std::iota(row.begin(), row.end(), 0);
    for (const QChar letter : from) {
        qsizetype diagonal = row[0]++;
        for (qsizetype j = 1; j <= to.size(); ++j) {
            const bool same = letter.toLower() == to[j - 1].toLower();
            const qsizetype next =
                std::min({row[size_t(j)] + 1, row[size_t(j - 1)] + 1, diagonal + (same ? 0 : 1)});
            diagonal = std::exchange(row[size_t(j)], next);
        }
    }
    return row.back();
}

// The filter's word nearest to text, when one is near enough.
QString NearestWord(const QString& text, std::span<const std::string_view> words)
{
    QString nearest;
    qsizetype fewest = kNearEdits + 1;
    for (const std::string_view word : words) {
        const QString candidate = QString::fromUtf8(word.data(), qsizetype(word.size()));
        if (const qsizetype edits = EditDistance(text, candidate); edits < fewest) {
            fewest = edits;
            nearest = candidate;
        }
    }
    return nearest;
}

// Whether the filter finds one of its words in text as the filter compares.
bool Knows(const std::string& text, const TWordKey& key)
{
    return std::any_of(key.Words.begin(), key.Words.end(), [&](std::string_view word) {
        const std::string bytes = Win1251::FromUtf8(word);
        return key.Match == TMatch::WholeValue ? Win1251::SameAsciiNoCase(text, bytes)
                                               : text.find(bytes) != std::string::npos;
    });
}

QString Unknown(const QString& text, const TWordKey& key)
{
    QString what = QStringLiteral("\"%1\" is no word the %2 filter knows; it never finds the work "
                                  "by it.")
                       .arg(text, QLatin1String(key.Filter));
    if (const QString nearest = NearestWord(text, key.Words); !nearest.isEmpty())
        what += QStringLiteral(" Probably \"%1\".").arg(nearest);
    return what;
}

void CheckWords(const ProfileFile& index, std::string_view section, const TWordKey& key,
                const std::string& value)
{
    const QString text = Win1251::ToUnicode(value);
    const QStringList items =
        key.Match == TMatch::EachItem ? text.split(u',', Qt::SkipEmptyParts) : QStringList{text};
    for (const QString& item : items) {
        const QString word = item.trimmed();
        if (!Knows(Win1251::FromUnicode(word), key))
            ContentProblems::Report(index.Path(), index.Place(section, key.Key), Unknown(word, key),
                                    index.Remark(section, key.Key));
    }
}

void CheckTime(const ProfileFile& index, std::string_view section, const std::string& value)
{
    const QString where = index.Place(section, kTimeKey);
    const std::optional<int> time = ParseInteger(value);
    if (!time) {
        ContentProblems::Report(index.Path(), where,
                                QStringLiteral("Not a number: \"%1\", so the time shows as 0.")
                                    .arg(Win1251::ToUnicode(value)));
        return;
    }
    const int shortest = kTimeBands.front().From;
    const int longest = kTimeBands.back().To;
    if (*time < shortest || *time > longest)
        ContentProblems::Report(index.Path(), where,
                                QStringLiteral("%1 lies outside the time filter's %2 to %3, so "
                                               "the filter never finds the work.")
                                    .arg(*time)
                                    .arg(shortest)
                                    .arg(longest));
}

// The value of a key the work must have; the checker hears when it is missing.
std::optional<std::string> Required(const ProfileFile& index, std::string_view section,
                                    std::string_view key)
{
    if (!index.Has(section, key)) {
        ContentProblems::Report(index.Path(), index.Place(section, key),
                                QStringLiteral("Missing."));
        return std::nullopt;
    }
    return index.ReadString(section, key, {});
}

} // namespace

void CheckWorkRecord(const ProfileFile& index, std::string_view section)
{
    Required(index, section, kNameKey);
    if (const auto time = Required(index, section, kTimeKey))
        CheckTime(index, section, *time);
    for (const TWordKey& key : kWordKeys)
        if (const auto value = Required(index, section, key.Key))
            CheckWords(index, section, key, *value);
}
