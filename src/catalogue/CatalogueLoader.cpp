#include "CatalogueLoader.h"

#include "ContentPath.h"
#include "ContentProblems.h"
#include "ProfileFile.h"
#include "RegularFile.h"
#include "Win1251.h"
#include "WorkRecordCheck.h"

#include <QDir>
#include <QStringList>

#include <algorithm>

namespace {

// A work's description; far larger ones are not descriptions.
constexpr qint64 kMaxTextBytes = 16LL * 1024 * 1024;
// The start-up box names this many works at most: a folder that lost every text needs no list
// of them all.
constexpr size_t kListedAtMost = 10;

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

// The index of every author's works.
QString IndexPath(const QString& contentDir)
{
    return ContentPath::Join(contentDir, u"\\velmora.ini");
}

// How many works of the author the index counts; the content checker hears of a count that is
// there but reads as none.
int WorkCount(const ProfileFile& index, std::string_view id)
{
    const std::string key = std::string(id) + "count";
    const std::string text = index.ReadString("settings", key, "");
    const std::optional<int> count = ParseInteger(text);
    const auto where = [&] { return index.Place("settings", key); };
    if (!text.empty() && !count)
        ContentProblems::Report(index.Path(), where(), QStringLiteral("Not a number."));
    else if (count && *count < 0)
        ContentProblems::Report(index.Path(), where(),
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
        ContentProblems::Report(index.Path(), index.Place("settings", std::string(id) + "count"),
                                QStringLiteral("Counts %1 works, but there is no section [%2].")
                                    .arg(WorkCount(index, id))
                                    .arg(QString::fromStdString(stem)));
    TVelmoraData work = ReadWork(index, stem);
    work.Author = authorName;
    work.FileName = stem;
    work.Text = std::make_shared<const TStringList>();
    return work;
}

// A work's text as read: its lines, or none and why.
struct TTextRead {
    std::shared_ptr<TStringList> Lines;
    QString Path;
    QString Failure;
};

// A text that cannot be read is told to the content checker with its work.
TTextRead ReadText(const QString& contentDir, const TVelmoraData& work)
{
    TTextRead text;
    text.Path =
        ContentPath::Join(contentDir, Win1251::ToUnicode("\\html\\" + work.FileName + ".htm.txt"));
    const RegularFile::TRead read =
        RegularFile::Read(text.Path, kMaxTextBytes, TFolderOwner::Content);
    if (!read.Ok()) {
        text.Failure = RegularFile::Reason(read.Failure);
        ContentProblems::Report(
            text.Path,
            QStringLiteral("The text of work %1 \"%2\"")
                .arg(Win1251::ToUnicode(work.FileName), Win1251::ToUnicode(work.Name)),
            text.Failure);
        return text;
    }
    text.Lines = std::make_shared<TStringList>(
        SplitLines(std::string_view(read.Bytes.constData(), size_t(read.Bytes.size()))));
    return text;
}

TUnreadTexts LoadAuthorWorks(const ProfileFile& index, const QString& contentDir,
                             std::string_view id, std::string_view authorName,
                             TVelmoraDataArray& works)
{
    TUnreadTexts unread;
    const int count = WorkCount(index, id);
    for (int n = 1; n <= count; ++n) {
        TVelmoraData& work = works.emplace_back(ReadRecord(index, id, authorName, n));
        TTextRead text = ReadText(contentDir, work);
        if (text.Lines) {
            work.Text = std::move(text.Lines);
            continue;
        }
        // Neither a section nor a text: the count runs past the catalogue, which ends here.
        if (!index.HasSection(work.FileName)) {
            works.pop_back();
            break;
        }
        unread.push_back({work.FileName, work.Name, text.Path, text.Failure});
    }
    return unread;
}

} // namespace

TUnreadTexts LoadAuthorWorks(const QString& contentDir, std::string_view id,
                             std::string_view authorName, TVelmoraDataArray& works)
{
    const ProfileFile index(IndexPath(contentDir));
    index.ReportIfMissing();
    return LoadAuthorWorks(index, contentDir, id, authorName, works);
}

// The index is read once for all the authors.
TUnreadTexts LoadCatalogue(const QString& contentDir, TVelmoraDataArray& works)
{
    const ProfileFile index(IndexPath(contentDir));
    index.ReportIfMissing();
    TUnreadTexts unread;
    for (const TAuthor& author : kAuthors) {
        const TUnreadTexts authorUnread =
            LoadAuthorWorks(index, contentDir, author.Id, author.Name, works);
        unread.insert(unread.end(), authorUnread.begin(), authorUnread.end());
    }
    return unread;
}

QString DescribeUnreadTexts(const TUnreadTexts& unread, const QString& contentDir)
{
    QStringList lines;
    lines << (unread.size() == 1
                  ? QStringLiteral("The text of one work cannot be read. The work stays in the "
                                   "catalogue, but a search does not find it:")
                  : QStringLiteral("The texts of %1 works cannot be read. The works stay in the "
                                   "catalogue, but a search does not find them:")
                        .arg(unread.size()));
    const QDir folder(contentDir);
    for (size_t i = 0; i < std::min(unread.size(), kListedAtMost); ++i)
        lines << QStringLiteral("\"%1\" (%2), %3: %4")
                     .arg(Win1251::ToUnicode(unread[i].Name),
                          Win1251::ToUnicode(unread[i].FileName),
                          QDir::toNativeSeparators(folder.relativeFilePath(unread[i].Path)),
                          unread[i].Reason);
    if (unread.size() > kListedAtMost)
        lines << QStringLiteral("And %1 more.").arg(unread.size() - kListedAtMost);
    return lines.join(u'\n');
}

TVelmoraDataArray ReadEveryWork(const QString& contentDir)
{
    const ProfileFile index(IndexPath(contentDir));
    index.ReportIfMissing();
    TVelmoraDataArray works;
    for (const TAuthor& author : kAuthors) {
        const int count = WorkCount(index, author.Id);
        for (int n = 1; n <= count; ++n) {
            TVelmoraData work = ReadRecord(index, author.Id, author.Name, n);
            // Told; a count past the sections would only repeat it, work after work.
            if (!index.HasSection(work.FileName))
                break;
            CheckWorkRecord(index, work.FileName);
            // None where it cannot be read: told to the checker, and the next work is read.
            work.Text = ReadText(contentDir, work).Lines;
            works.push_back(std::move(work));
        }
    }
    return works;
}
