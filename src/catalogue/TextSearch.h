#pragma once

#include "TVelmoraData.h"

#include <string>
#include <string_view>
#include <vector>

// How many text positions a search tests at once. Sixteen is there on every processor the
// program runs on; where vectors are not used at all, both mean a plain byte search.
enum class TScanWidth { Sixteen, ThirtyTwo };

// The widest scan this processor can run.
TScanWidth WidestScan();

// Where pattern first occurs in text, by a scan of that width; npos where it does not. pattern is
// not empty.
size_t FindText(std::string_view text, std::string_view pattern, TScanWidth width = WidestScan());

// The works' texts as the search reads them: each work's lines, each followed by CR LF, in the
// search's single-byte upper case (Latin and Cyrillic letters). Made once for a catalogue, so a
// search only scans.
class TSearchTexts {
public:
    explicit TSearchTexts(const TVelmoraDataArray& works);

    // The works whose text contains the query, upper-cased the same way, in catalogue order.
    // works is the catalogue the texts were made from.
    TVelmoraDataArray Find(const TVelmoraDataArray& works, std::string_view query) const;

private:
    std::string text_;         // every work's text, one after the other in the catalogue's order
    std::vector<size_t> ends_; // where each work's text ends in text_
};
