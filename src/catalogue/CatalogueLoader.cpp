#include "CatalogueLoader.h"

#include "ContentPath.h"
#include "ProfileFile.h"
#include "RegularFile.h"
#include "Win1251.h"

#include <QDir>

namespace {

// A work's description; far larger ones are not descriptions.
constexpr qint64 kMaxTextBytes = 16LL * 1024 * 1024;

std::shared_ptr<TStringList> ReadTextFile(const QString& path)
{
    const RegularFile::TRead read = RegularFile::Read(path, kMaxTextBytes);
    if (!read.Ok())
        throw EFileOpenError(
            QStringLiteral("Cannot open file \"%1\". %2")
                .arg(QDir::toNativeSeparators(path), RegularFile::Reason(read.Failure))
                .toStdString());
    return std::make_shared<TStringList>(
        SplitLines(std::string_view(read.Bytes.constData(), size_t(read.Bytes.size()))));
}

TVelmoraData ReadWork(const ProfileFile& index, const std::string& section)
{
    const auto read = [&](std::string_view key) { return index.ReadString(section, key, "-"); };
    TVelmoraData work;
    work.Name = read("name");
    work.Time = ParseInteger(read("time")).value_or(0);
    work.Complicate = read("complicate");
    work.Materials = read("materials");
    work.Temper = read("temper");
    work.Color = read("color");
    work.Theme = read("theme");
    return work;
}

} // namespace

TStringList SplitLines(std::string_view text)
{
    TStringList lines;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(pos));
            break;
        }
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

namespace {

ProfileFile OpenIndex(const QString& contentDir)
{
    return ProfileFile(ContentPath::Join(contentDir, u"\\velmora.ini"));
}

void LoadAuthorWorks(const ProfileFile& index, const QString& contentDir, std::string_view id,
                     std::string_view authorName, TVelmoraDataArray& works)
{
    const int count = index.ReadInteger("settings", std::string(id) + "count", 0);
    for (int n = 1; n <= count; ++n) {
        const std::string stem = std::string(id) + "-" + std::to_string(n);
        TVelmoraData& work = works.emplace_back(ReadWork(index, stem));
        work.Author = authorName;
        work.FileName = stem;
        work.Text = std::make_shared<const TStringList>();
        work.Text = ReadTextFile(
            ContentPath::Join(contentDir, Win1251::ToUnicode("\\html\\" + stem + ".htm.txt")));
    }
}

} // namespace

void LoadAuthorWorks(const QString& contentDir, std::string_view id, std::string_view authorName,
                     TVelmoraDataArray& works)
{
    LoadAuthorWorks(OpenIndex(contentDir), contentDir, id, authorName, works);
}

// The index is read once for all the authors.
void LoadCatalogue(const QString& contentDir, TVelmoraDataArray& works)
{
    const ProfileFile index = OpenIndex(contentDir);
    for (const TAuthor& author : kAuthors)
        LoadAuthorWorks(index, contentDir, author.Id, author.Name, works);
}
