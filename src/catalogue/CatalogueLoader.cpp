#include "CatalogueLoader.h"

#include "ContentPath.h"
#include "ContentProblems.h"
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
    if (!read.Ok()) {
        ContentProblems::Report(path, {}, RegularFile::Reason(read.Failure));
        throw EFileOpenError(
            QStringLiteral("Cannot open file \"%1\". %2")
                .arg(QDir::toNativeSeparators(path), RegularFile::Reason(read.Failure))
                .toStdString());
    }
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
    ProfileFile index(ContentPath::Join(contentDir, u"\\velmora.ini"));
    if (!index.Exists())
        ContentProblems::Report(index.Path(), {},
                                RegularFile::Reason(RegularFile::TFailure::Missing));
    return index;
}

// How many works of the author the index counts; the content checker hears of a count that is
// there but reads as none.
int WorkCount(const ProfileFile& index, std::string_view id)
{
    const std::string key = std::string(id) + "count";
    const std::string text = index.ReadString("settings", key, "");
    const std::optional<int> count = ParseInteger(text);
    const QString where = QStringLiteral("[settings] %1").arg(QString::fromStdString(key));
    if (!text.empty() && !count)
        ContentProblems::Report(index.Path(), where, QStringLiteral("Not a number."));
    else if (count && *count < 0)
        ContentProblems::Report(index.Path(), where,
                                QStringLiteral("A negative count, %1.").arg(*count));
    return count.value_or(0);
}

std::string Stem(std::string_view id, int n)
{
    return std::string(id) + "-" + std::to_string(n);
}

// The work's record with an empty text; the content checker hears when its section is missing.
TVelmoraData ReadRecord(const ProfileFile& index, std::string_view id, std::string_view authorName,
                        int n)
{
    const std::string stem = Stem(id, n);
    if (!index.HasSection(stem))
        ContentProblems::Report(index.Path(),
                                QStringLiteral("[settings] %1count").arg(QLatin1String(id)),
                                QStringLiteral("Counts %1 works, but there is no section [%2].")
                                    .arg(WorkCount(index, id))
                                    .arg(QString::fromStdString(stem)));
    TVelmoraData work = ReadWork(index, stem);
    work.Author = authorName;
    work.FileName = stem;
    work.Text = std::make_shared<const TStringList>();
    return work;
}

std::shared_ptr<TStringList> ReadText(const QString& contentDir, const std::string& stem)
{
    return ReadTextFile(
        ContentPath::Join(contentDir, Win1251::ToUnicode("\\html\\" + stem + ".htm.txt")));
}

void LoadAuthorWorks(const ProfileFile& index, const QString& contentDir, std::string_view id,
                     std::string_view authorName, TVelmoraDataArray& works)
{
    const int count = WorkCount(index, id);
    for (int n = 1; n <= count; ++n) {
        TVelmoraData& work = works.emplace_back(ReadRecord(index, id, authorName, n));
        work.Text = ReadText(contentDir, work.FileName);
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

TVelmoraDataArray ReadEveryWork(const QString& contentDir)
{
    const ProfileFile index = OpenIndex(contentDir);
    TVelmoraDataArray works;
    for (const TAuthor& author : kAuthors) {
        const int count = WorkCount(index, author.Id);
        for (int n = 1; n <= count; ++n) {
            TVelmoraData work = ReadRecord(index, author.Id, author.Name, n);
            // Told; a count past the sections would only repeat it, work after work.
            if (!index.HasSection(work.FileName))
                break;
            try {
                work.Text = ReadText(contentDir, work.FileName);
            } catch (const EFileOpenError&) {
                // Told to the checker; the next work is read all the same.
                work.Text.reset();
            }
            works.push_back(std::move(work));
        }
    }
    return works;
}
