// The catalogue loader on any velmora.ini and any text of the first work, then a search over
// what loaded: nothing crashes, and every hit has a text.
#include "CatalogueLoader.h"
#include "Fuzzing.h"
#include "TextSearch.h"
#include "Win1251.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string text = input.ConsumeRandomLengthString();
    const std::string query = input.ConsumeRandomLengthString();
    Fuzzing::WriteFile(QStringLiteral("velmora.ini"), input.ConsumeRemainingBytesAsString());
    Fuzzing::WriteFile(QStringLiteral("html/mira-1.htm.txt"), text);

    TVelmoraDataArray works;
    // Any work after the first has no text here, and stays with an empty one.
    LoadCatalogue(Fuzzing::ContentFolder(), works);
    const TSearchTexts texts(works);
    for (const TVelmoraData& hit : texts.Find(works, query))
        Fuzzing::Require(hit.Text != nullptr, "a hit has a text");
    return 0;
}
