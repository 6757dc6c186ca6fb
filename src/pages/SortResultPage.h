#pragma once

#include "TVelmoraData.h"

#include <string>

class TPageAddresses;

// The catalogue's result page, sortresult.htm: the works as cards in two columns, each card
// linking to its work by the work's index.
std::string SortResultPage(const TVelmoraDataArray& works, const TPageAddresses& addresses);
