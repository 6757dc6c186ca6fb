#include "Filters.h"

#include "Complexity.h"
#include "FilterVocabulary.h"
#include "NameOrder.h"
#include "Win1251.h"

#include <string_view>

namespace {

using namespace FilterVocabulary;

static_assert(kComplexityCount == kFilterFlagCounts[1]);
static_assert(kTimeBands.size() == kFilterFlagCounts[2]);
static_assert(kColorWords.size() == kFilterFlagCounts[3]);
static_assert(kThemeWords.size() == kFilterFlagCounts[4]);
static_assert(kMaterialWords.size() == kFilterFlagCounts[5]);
static_assert(kTemperWords.size() == kFilterFlagCounts[6]);

template <size_t N>
std::array<std::string, N> Converted(const std::array<std::string_view, N>& words)
{
    std::array<std::string, N> converted;
    for (size_t i = 0; i < N; ++i)
        converted[i] = Win1251::FromUtf8(words[i]);
    return converted;
}

// The flags that are on, as indexes into a value table of the given size.
std::vector<size_t> ChosenValues(const TFilterFlags& flags, size_t tableSize)
{
    std::vector<size_t> chosen;
    for (size_t k = 0; k < std::min(flags.size(), tableSize); ++k) {
        if (flags[k])
            chosen.push_back(k);
    }
    return chosen;
}

// meets(work, value) tells whether a work meets the condition of one value of the table.
template <typename TCondition>
TVelmoraDataArray Select(const TVelmoraDataArray& works, const TFilterFlags& flags,
                         size_t tableSize, TCondition meets)
{
    const std::vector<size_t> chosen = ChosenValues(flags, tableSize);
    std::vector<size_t> passing;
    for (size_t position = 0; position < works.size(); ++position) {
        if (std::any_of(chosen.begin(), chosen.end(),
                        [&](size_t value) { return meets(works[position], value); }))
            passing.push_back(position);
    }
    return InNameOrder(works, passing);
}

template <size_t N>
TVelmoraDataArray SelectEqual(const TVelmoraDataArray& works, const TFilterFlags& flags,
                              const std::array<std::string, N>& words,
                              std::string TVelmoraData::*field)
{
    return Select(works, flags, N, [&](const TVelmoraData& work, size_t value) {
        return Win1251::SameAsciiNoCase(work.*field, words[value]);
    });
}

template <size_t N>
TVelmoraDataArray SelectContaining(const TVelmoraDataArray& works, const TFilterFlags& flags,
                                   const std::array<std::string, N>& words,
                                   std::string TVelmoraData::*field)
{
    return Select(works, flags, N, [&](const TVelmoraData& work, size_t value) {
        return (work.*field).find(words[value]) != std::string::npos;
    });
}

} // namespace

TVelmoraDataArray SelectAllWorks(const TVelmoraDataArray& works)
{
    return SortByName(works);
}

TVelmoraDataArray FilterByComplexity(const TVelmoraDataArray& works, const TFilterFlags& flags)
{
    return Select(works, flags, kComplexityCount, [](const TVelmoraData& work, size_t value) {
        return ComplexityOf(work.Complicate) == TComplexity(value);
    });
}

TVelmoraDataArray FilterByTime(const TVelmoraDataArray& works, const TFilterFlags& flags)
{
    return Select(works, flags, kTimeBands.size(), [](const TVelmoraData& work, size_t band) {
        return kTimeBands[band].From <= work.Time && work.Time <= kTimeBands[band].To;
    });
}

TVelmoraDataArray FilterByColor(const TVelmoraDataArray& works, const TFilterFlags& flags)
{
    static const auto words = Converted(kColorWords);
    return SelectContaining(works, flags, words, &TVelmoraData::Color);
}

TVelmoraDataArray FilterByTheme(const TVelmoraDataArray& works, const TFilterFlags& flags)
{
    static const auto words = Converted(kThemeWords);
    return SelectEqual(works, flags, words, &TVelmoraData::Theme);
}

TVelmoraDataArray FilterByMaterials(const TVelmoraDataArray& works, const TFilterFlags& flags)
{
    static const auto words = Converted(kMaterialWords);
    return SelectContaining(works, flags, words, &TVelmoraData::Materials);
}

TVelmoraDataArray FilterByTemper(const TVelmoraDataArray& works, const TFilterFlags& flags)
{
    static const auto words = Converted(kTemperWords);
    return SelectEqual(works, flags, words, &TVelmoraData::Temper);
}

TVelmoraDataArray SelectFilterGroup(const TVelmoraDataArray& works, int group,
                                    const TFilterFlags& flags)
{
    using TGroupOperation = TVelmoraDataArray (*)(const TVelmoraDataArray&, const TFilterFlags&);
    static constexpr std::array<TGroupOperation, kFilterGroupCount - 1> kFilters = {
        FilterByComplexity, FilterByTime,      FilterByColor,
        FilterByTheme,      FilterByMaterials, FilterByTemper,
    };
    if (group == 0)
        return SelectAllWorks(works);
    if (group < 1 || group >= kFilterGroupCount)
        return {};
    return kFilters[size_t(group - 1)](works, flags);
}
