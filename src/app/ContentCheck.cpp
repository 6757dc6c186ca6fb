#include "ContentCheck.h"

#include "CatalogueLoader.h"
#include "ContentFence.h"
#include "ContentPages.h"
#include "ContentPath.h"
#include "ContentProblems.h"
#include "Filters.h"
#include "FolderContains.h"
#include "JpegPicture.h"
#include "PageAddressScan.h"
#include "RegularFile.h"
#include "SettingsFile.h"
#include "Skin.h"
#include "SkinNames.h"
#include "Win1251.h"
#include "WindowLayout.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <QUrl>

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <utility>

namespace {

// Where a work's pictures are, by size: its card, its page and the large picture.
constexpr std::array<std::u16string_view, 3> kWorkPictureFolders = {
    u"\\images\\small\\", u"\\images\\middle\\", u"\\images\\big\\"};

// The file a link of a page names, or an empty string for a link that names none: another
// machine, an anchor, a script, or one of the program's own numbered links.
QString LinkedFile(const QString& pageFolder, QString link)
{
    link.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QUrl url(link);
    if (link.isEmpty() || link.startsWith(QLatin1Char('#')) || link.startsWith(u"<<") ||
        link.startsWith(u">>"))
        return {};
    if (url.isLocalFile())
        return url.toLocalFile();
    if (!url.scheme().isEmpty() || url.path().isEmpty())
        return {};
    return QDir(pageFolder).filePath(url.path());
}

bool IsWebAddress(const QString& address)
{
    const QString scheme = QUrl(address).scheme();
    return scheme == u"http" || scheme == u"https";
}

// Where a file really is, links followed, is inside the content folder; the viewer's pages
// show nothing from anywhere else.
bool IsInside(const QString& file, const QString& contentDir)
{
    QString path = QFileInfo(file).canonicalFilePath();
    if (path.isEmpty())
        path = QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    return FolderContains(contentDir, path);
}

// What the engine reads a file of the content as, by its name.
constexpr std::array<std::pair<std::u16string_view, PageAddressScan::TText>, 4> kTextKinds = {{
    {u"htm", PageAddressScan::TText::Markup},
    {u"html", PageAddressScan::TText::Markup},
    {u"svg", PageAddressScan::TText::Markup},
    {u"css", PageAddressScan::TText::StyleSheet},
}};

std::optional<PageAddressScan::TText> TextKind(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const auto& [name, kind] : kTextKinds)
        if (suffix.compare(QStringView(name), Qt::CaseInsensitive) == 0)
            return kind;
    return std::nullopt;
}

// Tells an address of the page at path that names a missing file or reaches outside the
// content: a file elsewhere, or the web where the engine would fetch it by itself.
void CheckAddress(const QString& path, const QString& contentDir,
                  const PageAddressScan::TAddress& link)
{
    const QString file = LinkedFile(QFileInfo(path).path(), link.Address);
    if (!file.isEmpty() && !IsInside(file, contentDir))
        ContentProblems::Report(path, link.Address,
                                QStringLiteral("Reaches outside the content folder."));
    else if (!file.isEmpty() && !QFileInfo::exists(file))
        ContentProblems::Report(path, link.Address, QStringLiteral("Links a missing file."));
    else if (IsWebAddress(link.Address) && link.Use == PageAddressScan::TUse::Loads)
        ContentProblems::Report(path, link.Address,
                                QStringLiteral("Loads from the web, which the viewer refuses."));
}

// Tells every address of the page, picture or style sheet that leads out of the content. A
// file that cannot be read is told.
void CheckPage(const QString& path, const QString& contentDir, PageAddressScan::TText kind)
{
    const RegularFile::TRead read =
        RegularFile::Read(path, RegularFile::kMostPageBytes, TFolderOwner::Content);
    if (!read.Ok()) {
        ContentProblems::Report(path, {}, RegularFile::Reason(read.Failure));
        return;
    }
    const QString page =
        Win1251::ToUnicode(std::string_view(read.Bytes.constData(), size_t(read.Bytes.size())));
    for (const PageAddressScan::TAddress& link : PageAddressScan::Addresses(page, kind))
        CheckAddress(path, contentDir, link);
}

// Every part of the skin a window shows, read as the windows read it, without making one.
void CheckSkin(const TSkin& skin)
{
    for (const std::u16string_view picture : SkinNames::kEveryPicture)
        (void)skin.Picture(picture);
    for (const std::span<const std::string_view> group : SkinNames::kEveryButtonGroup)
        for (const std::string_view section : group)
            (void)skin.Button(section);
    for (const WindowLayout::TSignShape& sign : WindowLayout::kSigns)
        (void)skin.Button(sign.Section);
    for (size_t group = 0; group < size_t(kFilterGroupCount); ++group) {
        (void)skin.Button(SkinNames::TabSection(group));
        for (size_t button = 0; button < kFilterFlagCounts[group]; ++button)
            (void)skin.Button(SkinNames::SwitchSection(group, button));
    }
    for (const std::string_view section : SkinNames::kEveryScroll) {
        const TScrollSection& scroll = skin.Scroll(section);
        for (const std::string& button : {scroll.ButtonUp, scroll.ButtonDown, scroll.Thumb})
            (void)skin.Button(button);
    }
    skin.DecodeEveryPicture();
}

// Each work's text, pictures and page, which the windows read only when a work is shown.
void CheckWorks(const QString& dir, std::set<QString>& checkedPages)
{
    for (const TVelmoraData& work : ReadEveryWork(dir)) {
        const QString stem = Win1251::ToUnicode(work.FileName);
        if (work.Text && work.Text->empty())
            ContentProblems::Report(ContentPath::Join(dir, QStringLiteral("\\html\\") + stem +
                                                               QStringLiteral(".htm.txt")),
                                    {}, QStringLiteral("The work has no text."));
        for (const std::u16string_view folder : kWorkPictureFolders) {
            QImage picture;
            LoadJpegBitmap(ContentPath::Join(dir, QStringView(folder).toString() + stem +
                                                      QStringLiteral(".jpg")),
                           picture);
        }
        const QString page =
            ContentPath::Join(dir, QStringLiteral("\\html\\") + stem + QStringLiteral(".htm"));
        CheckPage(page, dir, PageAddressScan::TText::Markup);
        checkedPages.insert(page);
    }
}

// The pages that come with the content; the pages the windows write are their own.
void CheckShippedPages(const QString& dir, std::set<QString>& checkedPages)
{
    for (const std::u16string_view page : ContentPages::kShipped) {
        const QString path = ContentPath::Join(dir, page);
        CheckPage(path, dir, PageAddressScan::TText::Markup);
        checkedPages.insert(path);
    }
    for (const std::u16string_view page : ContentPages::kGenerated)
        checkedPages.insert(ContentPath::Join(dir, page));
}

// Every other page, style sheet and SVG picture in every folder of the content, and every link
// in it that leads out of it, by the rule the viewer opens its files by. A linked folder is not
// entered: what it holds is checked where it really is, or lies outside.
void CheckEveryFile(const QString& dir, std::set<QString>& checkedPages)
{
    QDirIterator entries(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        const QFileInfo entry = entries.fileInfo();
        const std::optional<PageAddressScan::TText> kind = TextKind(path);
        if (entry.isSymLink() && entry.exists() && !ContentFence::Holds(path))
            ContentProblems::Report(path, {},
                                    RegularFile::Reason(RegularFile::TFailure::OutsideContent));
        else if (kind && entry.isFile() && checkedPages.insert(path).second)
            CheckPage(path, dir, *kind);
    }
}

// The line a problem is on, from its place; 0 for a problem of no one line.
int LineOf(const QString& where)
{
    static const QRegularExpression kLine(QStringLiteral("line (\\d+)$"));
    return kLine.match(where).captured(1).toInt();
}

// What the readers told, as each problem's line, in the order of files and lines; then what
// the content's author marked as intended, which fails nothing; then the summary.
int Print(const QString& dir, std::vector<TContentProblem> problems, QTextStream& out)
{
    const QDir folder(dir);
    const auto file = [&folder](const TContentProblem& problem) {
        return problem.Path.isEmpty() ? QStringLiteral("(outside the content folder)")
                                      : folder.relativeFilePath(problem.Path);
    };
    std::sort(problems.begin(), problems.end(), [&](const auto& a, const auto& b) {
        return std::tuple(a.Intended.isEmpty() ? 0 : 1, file(a), LineOf(a.Where), a.Where, a.What) <
               std::tuple(b.Intended.isEmpty() ? 0 : 1, file(b), LineOf(b.Where), b.Where, b.What);
    });
    const auto intended = std::find_if(problems.begin(), problems.end(), [](const auto& problem) {
        return !problem.Intended.isEmpty();
    });
    const auto line = [&](const TContentProblem& problem) {
        out << file(problem) << ": ";
        if (!problem.Where.isEmpty())
            out << problem.Where << ": ";
        out << problem.What;
        if (!problem.Intended.isEmpty())
            out << " Intended: " << problem.Intended;
        out << '\n';
    };
    std::set<QString> files;
    for (auto problem = problems.begin(); problem != intended; ++problem) {
        files.insert(file(*problem));
        line(*problem);
    }
    std::for_each(intended, problems.end(), line);
    const auto faults = size_t(intended - problems.begin());
    if (faults == 0)
        out << "No problems in " << QDir::toNativeSeparators(dir) << ".\n";
    else
        out << faults << (faults == 1 ? " problem" : " problems") << " in " << files.size()
            << (files.size() == 1 ? " file" : " files") << " of " << QDir::toNativeSeparators(dir)
            << ".\n";
    out.flush();
    return faults == 0 ? 0 : 1;
}

} // namespace

int CheckContent(const QString& folder, QTextStream& out)
{
    const QString dir = QDir(folder).absolutePath();
    if (!QFileInfo(dir).isDir()) {
        out << QDir::toNativeSeparators(dir) << ": not a folder.\n";
        out.flush();
        return 1;
    }
    const QString previousDir = ContentPath::ContentDir();
    ContentPath::UseContentDir(dir);
    ContentProblems::StartRecording();
    CheckSkin(TSkin(dir));
    // The filters' switches and the questions' answers, as the windows read them.
    (void)OpenSettings(dir);
    std::set<QString> checkedPages;
    CheckWorks(dir, checkedPages);
    CheckShippedPages(dir, checkedPages);
    CheckEveryFile(dir, checkedPages);
    std::vector<TContentProblem> problems = ContentProblems::StopRecording();
    ContentPath::UseContentDir(previousDir);
    return Print(dir, std::move(problems), out);
}
