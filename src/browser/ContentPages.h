#pragma once

#include <array>
#include <string_view>

// The pages of the content folder that the windows open by name, relative to the folder.
namespace ContentPages {

// Pages that come with the content.
inline constexpr std::u16string_view kAbout = u"\\html\\about.htm";
inline constexpr std::u16string_view kBrowserPlaceholder = u"\\html\\notfound.html";
inline constexpr std::u16string_view kNoWorksFiltered = u"\\html\\filter1.htm";
inline constexpr std::u16string_view kNothingFound = u"\\html\\search.htm";
inline constexpr std::u16string_view kNoHistory = u"\\html\\search1.htm";
inline constexpr std::u16string_view kSearchPlaceholder = u"\\html\\notfound_s.html";

inline constexpr std::array kShipped = {kAbout,        kBrowserPlaceholder, kNoWorksFiltered,
                                        kNothingFound, kNoHistory,          kSearchPlaceholder};

// Pages the windows write.
inline constexpr std::u16string_view kSortResult = u"\\html\\sortresult.htm";
inline constexpr std::u16string_view kSearchResult = u"\\html\\searchresult.htm";
inline constexpr std::u16string_view kHistoryResult = u"\\html\\historyresult.htm";

inline constexpr std::array kGenerated = {kSortResult, kSearchResult, kHistoryResult};

} // namespace ContentPages
