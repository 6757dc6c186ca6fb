// The catalogue loader on any velmora.ini and any text of the first work, then a search over
// what loaded: nothing crashes, and every hit has a text.
#include "CatalogueLoader.h"
#include "Fuzzing.h"
#include "TextSearch.h"
#include "Win1251.h"

#include <string>

namespace {

// The next field of the input, as FuzzedDataProvider::ConsumeRandomLengthString reads it (so
// the corpus keeps its meaning): a backslash and any other byte end it, two backslashes stand
// for one. Picking the input apart is not the loader's work, and costs the run nothing here.
VELMORA_NOT_COVERED std::string TakeField(std::string_view& rest)
{
    std::string field;
    while (!rest.empty()) {
        const char next = rest.front();
        rest.remove_prefix(1);
        if (next == '\\' && !rest.empty()) {
            const char escaped = rest.front();
            rest.remove_prefix(1);
            if (escaped != '\\')
                break;
        }
        field += next;
    }
    return field;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view rest = Fuzzing::Bytes(data, size);
    const std::string text = TakeField(rest);
    const std::string query = TakeField(rest);
    Fuzzing::WriteFile(QStringLiteral("velmora.ini"), rest);
    Fuzzing::WriteFile(QStringLiteral("html/mira-1.htm.txt"), text);

    TVelmoraDataArray works;
    // Any work after the first has no text here, and stays with an empty one.
    LoadCatalogue(Fuzzing::ContentFolder(), works);
    const TSearchTexts texts(works);
    for (const TVelmoraData& hit : texts.Find(works, query))
        Fuzzing::Require(hit.Text != nullptr, "a hit has a text");
    return 0;
}
