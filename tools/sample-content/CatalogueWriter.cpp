#include "CatalogueWriter.h"

#include "ContentFolder.h"
#include "IniText.h"

namespace CatalogueWriter {
namespace {

void WriteIndex(ContentFolder& folder)
{
    IniText ini;
    ini.Section("settings");
    for (const TSampleAuthor& author : SampleCatalogue::Authors())
        ini.Key(std::string(author.Id) + "count", int(author.Works.size()));
    for (const TSampleAuthor& author : SampleCatalogue::Authors()) {
        for (size_t i = 0; i < author.Works.size(); ++i) {
            const TSampleWork& work = author.Works[i];
            ini.Section(StemOf(author, i));
            ini.Key("name", work.Name);
            ini.Key("time", work.Time);
            if (!work.ComplicateRemark.empty())
                ini.Comment(work.ComplicateRemark);
            ini.Key("complicate", work.Complicate);
            ini.Key("materials", work.Materials);
            ini.Key("temper", work.Temper);
            ini.Key("color", work.Color);
            ini.Key("theme", work.Theme);
        }
    }
    folder.WriteText(u"velmora.ini", ini.Utf8());
}

} // namespace

std::string StemOf(const TSampleAuthor& author, size_t index)
{
    return std::string(author.Id) + '-' + std::to_string(index + 1);
}

void Write(ContentFolder& folder)
{
    WriteIndex(folder);
    for (const TSampleAuthor& author : SampleCatalogue::Authors()) {
        for (size_t i = 0; i < author.Works.size(); ++i) {
            const QString stem = QString::fromStdString(StemOf(author, i));
            folder.WriteText(QStringLiteral("html\\%1.htm.txt").arg(stem),
                             SampleCatalogue::TextOf(author.Works[i]));
        }
    }
}

} // namespace CatalogueWriter
