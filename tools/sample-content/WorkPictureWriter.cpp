#include "WorkPictureWriter.h"

#include "CatalogueWriter.h"
#include "ContentFolder.h"
#include "NailPainter.h"
#include "SeededRandom.h"

#include <array>

namespace WorkPictureWriter {
namespace {

struct TPictureFormat {
    const char16_t* Folder;
    NailPainter::TPictureLayout Layout;
};

constexpr std::array<TPictureFormat, 3> kFormats = {{
    {u"images\\small\\", {kSmall, 3, false}},
    {u"images\\middle\\", {kMiddle, 2, true}},
    {u"images\\big\\", {kBig, 4, false}},
}};

} // namespace

void Write(ContentFolder& folder)
{
    for (const TSampleAuthor& author : SampleCatalogue::Authors()) {
        for (size_t i = 0; i < author.Works.size(); ++i) {
            const std::string stem = CatalogueWriter::StemOf(author, i);
            const uint64_t seed = SeededRandom::SeedOf(stem);
            for (const TPictureFormat& format : kFormats) {
                folder.WriteJpeg(QString::fromUtf16(format.Folder) + QString::fromStdString(stem) +
                                     QStringLiteral(".jpg"),
                                 NailPainter::Paint(author.Works[i], format.Layout, seed));
            }
        }
    }
}

} // namespace WorkPictureWriter
