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

// historyresult.htm: every query made so far, newest first, each linking to its entry. A query
// is what the user typed; it is written as text, never as markup.
std::string HistoryPage(const std::vector<std::string>& queries, const TPageAddresses& addresses);
