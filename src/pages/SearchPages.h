#pragma once

#include "TVelmoraData.h"

#include <string>
#include <vector>

class TPageAddresses;

// How the search lists its hits: a numbered text list or work cards in two columns.
enum class TSearchLayout { TextList, Cards };

// searchresult.htm: the hits, each linking to its work by its index.
std::string SearchResultPage(const TVelmoraDataArray& hits, TSearchLayout layout,
                             const TPageAddresses& addresses);

// One search the user made: the query as typed, letter case kept.
struct THistory {
    std::string Query;
};
using THistoryArray = std::vector<THistory>;

// historyresult.htm: every query made so far, newest first, each linking to its entry. A query
// is what the user typed; it is written as text, never as markup.
std::string HistoryPage(const THistoryArray& history, const TPageAddresses& addresses);
