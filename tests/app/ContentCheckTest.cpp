#include "ContentCheck.h"

#include "ContentProblems.h"
#include "ManualTicks.h"
#include "Program.h"
#include "TestFiles.h"
#include "Win1251.h"
#include "WindowTestContent.h"
#include "uChLoader.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

class ContentCheckTest : public testing::Test {
protected:
    // Runs the check on the test's content; its exit status, with what it printed in output_.
    int Check()
    {
        QTextStream out(&output_);
        return CheckContent(content_.Path({}), out);
    }

    // Every file of the content with a digest of its bytes.
    std::map<QString, QByteArray> Files() const
    {
        std::map<QString, QByteArray> files;
        QDirIterator it(content_.Path({}), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files[path] = QCryptographicHash::hash(QByteArray::fromStdString(TestFiles::Read(path)),
                                                   QCryptographicHash::Sha256);
        }
        return files;
    }

    TWindowTestContent content_;
    TManualTicks ticks_;
    QString output_;
};

TEST_F(ContentCheckTest, TheSampleContentIsCleanAndLeftAsItWas)
{
    const std::map<QString, QByteArray> before = Files();
    EXPECT_EQ(Check(), 0) << output_.toStdString();
    EXPECT_TRUE(output_.trimmed().section(u'\n', -1).startsWith(QStringLiteral("No problems in ")))
        << output_.toStdString();
    EXPECT_TRUE(
        output_.contains(QStringLiteral("\"Высокая\" is no word the complexity filter knows;")) &&
        output_.contains(QStringLiteral(" Intended: A capital on purpose")))
        << "the sample's one word no filter knows is told, with why: " << output_.toStdString();
    EXPECT_EQ(Files(), before) << "the check wrote into the content";
}

// The check reads the skin from its own list of the windows' parts: a part a window reads and
// the list lacks would let that part's faults through.
TEST_F(ContentCheckTest, ReadsEveryPictureTheWindowsRead)
{
    ASSERT_TRUE(QDir(content_.Path(QStringLiteral("design"))).removeRecursively());
    ContentProblems::StartRecording();
    {
        TProgram program(ticks_);
        program.CreateBrowserWindows();
        const TSkin skin(content_.Path({}));
        const TfLoader splash(ticks_, skin);
    }
    const std::vector<TContentProblem> windowsRead = ContentProblems::StopRecording();
    ASSERT_FALSE(windowsRead.empty());
    Check();
    const QDir folder(content_.Path({}));
    for (const TContentProblem& problem : windowsRead)
        EXPECT_TRUE(output_.contains(folder.relativeFilePath(problem.Path)))
            << problem.Path.toStdString() << " is read by a window, not by the check";
}

// Puts text in place of a file of the content.
void Replace(const TWindowTestContent& content, const char* relative, std::string_view bytes)
{
    TestFiles::Write(content.Path(QString::fromLatin1(relative)), bytes);
}

// Adds a line, given in UTF-8, at the top of a section of an INI file, where the first key of a
// name is the one read; the number of the line it becomes.
int PrependToSection(const TWindowTestContent& content, const char* file, const char* section,
                     const char* line)
{
    const QString path = content.Path(QString::fromLatin1(file));
    std::string text = TestFiles::Read(path);
    const std::string header = std::string("[") + section + "]\r\n";
    const size_t at = text.find(header) + header.size();
    text.insert(at, Win1251::FromUtf8(line) + "\r\n");
    TestFiles::Write(path, text);
    return int(std::count(text.begin(), text.begin() + ptrdiff_t(at), '\n')) + 1;
}

// Puts a link to a file of the user's, outside the content, in place of a file of the content.
void LinkOut(const TWindowTestContent& content, const char* relative, TestFiles::TTrap trap)
{
    content.Remove(QString::fromLatin1(relative));
    TestFiles::PlaceTrap(content.Path(QString::fromLatin1(relative)), trap);
}

// Puts a link at relative that leads to target.
void Link(const TWindowTestContent& content, const char* relative, const QString& target)
{
    if (!QFile::link(target, content.Path(QString::fromLatin1(relative))))
        ADD_FAILURE() << "cannot link " << relative;
}

struct BrokenCase {
    const char* name;
    void (*breakIt)(const TWindowTestContent& content);
    const char* line; // what the check prints for it
};

class BrokenContent : public ContentCheckTest, public testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenContent, IsToldOnALineOfItsOwnAndTheCheckFails)
{
    GetParam().breakIt(content_);
    EXPECT_EQ(Check(), 1);
    EXPECT_TRUE(output_.contains(QString::fromUtf8(GetParam().line) + u'\n'))
        << output_.toStdString();
    EXPECT_TRUE(output_.trimmed().section(u'\n', -1).contains(QStringLiteral(" of ")))
        << "no summary: " << output_.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, BrokenContent,
    testing::Values(
        BrokenCase{"AMissingButtonPicture",
                   [](const TWindowTestContent& c) { c.Remove("design/buttons/zoom/up.jpg"); },
                   "design/buttons/zoom/up.jpg: The file does not exist."},
        BrokenCase{
            "TextNamedJpg",
            [](const TWindowTestContent& c) { Replace(c, "images/small/mira-2.jpg", "text"); },
            "images/small/mira-2.jpg: Not a JPEG picture the viewer can show: Not a JPEG "
            "file: starts with 0x74 0x65."},
        BrokenCase{"ATruncatedLargePicture",
                   [](const TWindowTestContent& c) {
                       Replace(c, "images/big/ilna-1.jpg",
                               TestFiles::Read(c.Path("images/big/ilna-1.jpg")).substr(0, 400));
                   },
                   "images/big/ilna-1.jpg: Not a JPEG picture the viewer can show: Premature end "
                   "of JPEG file."},
        BrokenCase{"AButtonPictureCutShortAfterItsHeader",
                   [](const TWindowTestContent& c) {
                       const std::string picture =
                           TestFiles::Read(c.Path("design/buttons/zoom/up.jpg"));
                       Replace(c, "design/buttons/zoom/up.jpg",
                               picture.substr(0, picture.size() * 3 / 4));
                   },
                   "design/buttons/zoom/up.jpg: Not a JPEG picture the viewer can show: Premature "
                   "end of JPEG file."},
        BrokenCase{"AMissingScrollSection",
                   [](const TWindowTestContent& c) { Replace(c, "scrolls.ini", "[other]\r\n"); },
                   "scrolls.ini: [wb_vscroll_sh]: No such section."},
        BrokenCase{"AMissingText",
                   [](const TWindowTestContent& c) { c.Remove("html/vesna-4.htm.txt"); },
                   "html/vesna-4.htm.txt: The text of work vesna-4 \"Горошек\": The file does not "
                   "exist."},
        BrokenCase{"AWorkWithoutText",
                   [](const TWindowTestContent& c) { Replace(c, "html/ilna-3.htm.txt", ""); },
                   "html/ilna-3.htm.txt: The work has no text."},
        BrokenCase{"APageLinkingAMissingFile",
                   [](const TWindowTestContent& c) {
                       Replace(c, "html/about.htm", "<a href='gone.htm'>gone</a>");
                   },
                   "html/about.htm: gone.htm: Links a missing file."},
        BrokenCase{"APageFramingAFileOutside",
                   [](const TWindowTestContent& c) {
                       Replace(c, "html/about.htm", "<iframe src='file:///etc/passwd'></iframe>");
                   },
                   "html/about.htm: file:///etc/passwd: Reaches outside the content folder."},
        BrokenCase{"APageClimbingOutOfTheContent",
                   [](const TWindowTestContent& c) {
                       Replace(c, "html/about.htm", "<img src=\"../../../secret.jpg\">");
                   },
                   "html/about.htm: ../../../secret.jpg: Reaches outside the content folder."},
        BrokenCase{"APageWithAStyleSheetFromTheWeb",
                   [](const TWindowTestContent& c) {
                       Replace(c, "html/about.htm",
                               "<link rel=stylesheet href='https://example.org/a.css'>"
                               "<a href='https://example.org/'>a web link is the user's</a>");
                   },
                   "html/about.htm: https://example.org/a.css: Loads from the web, which the "
                   "viewer refuses."},
        BrokenCase{"AMissingShippedPage",
                   [](const TWindowTestContent& c) { c.Remove("html/search1.htm"); },
                   "html/search1.htm: The file does not exist."},
        BrokenCase{"AFolderInPlaceOfTheSettings",
                   [](const TWindowTestContent& c) { QDir().mkpath(c.Path("settings.ini")); },
                   "settings.ini: It is not a regular file."},
        BrokenCase{"AStyleAttributeLoadingFromTheWeb",
                   [](const TWindowTestContent& c) {
                       Replace(c, "html/about.htm",
                               "<p style=\"background: url( 'https://example.org/b.png' )\">");
                   },
                   "html/about.htm: https://example.org/b.png: Loads from the web, which the "
                   "viewer refuses."},
        BrokenCase{"AStyleElementClimbingOut",
                   [](const TWindowTestContent& c) {
                       Replace(c, "html/about.htm",
                               "<style>body { background: url(../../../a.png) }</style>");
                   },
                   "html/about.htm: ../../../a.png: Reaches outside the content folder."},
        BrokenCase{"AStyleSheetImportingFromTheWeb",
                   [](const TWindowTestContent& c) {
                       Replace(c, "html/styletext.css", "@import \"https://example.org/a.css\";");
                   },
                   "html/styletext.css: https://example.org/a.css: Loads from the web, which the "
                   "viewer refuses."},
        BrokenCase{"AnObjectWithDataFromTheWeb",
                   [](const TWindowTestContent& c) {
                       Replace(c, "html/about.htm", "<object data=http://example.org/m.swf>");
                   },
                   "html/about.htm: http://example.org/m.swf: Loads from the web, which the "
                   "viewer refuses."},
        BrokenCase{"AVideoPosterFromTheWeb",
                   [](const TWindowTestContent& c) {
                       Replace(c, "html/about.htm", "<video poster='https://example.org/p.jpg'>");
                   },
                   "html/about.htm: https://example.org/p.jpg: Loads from the web, which the "
                   "viewer refuses."},
        BrokenCase{"APictureCandidateFromTheWeb",
                   [](const TWindowTestContent& c) {
                       Replace(c, "html/about.htm",
                               "<img src=../images/small/mira-2.jpg srcset=\"../images/small/"
                               "mira-2.jpg 1x, https://example.org/big.jpg 2x\">");
                   },
                   "html/about.htm: https://example.org/big.jpg: Loads from the web, which the "
                   "viewer refuses."},
        BrokenCase{"AnAddressWrittenAsCharacterReferences",
                   [](const TWindowTestContent& c) {
                       Replace(c, "html/about.htm", "<img src='&#104;ttps:&#x2F;/example.org/'>");
                   },
                   "html/about.htm: https://example.org/: Loads from the web, which the viewer "
                   "refuses."},
        BrokenCase{"AFramedPageLoadingFromTheWeb",
                   [](const TWindowTestContent& c) {
                       Replace(
                           c, "html/about.htm",
                           "<iframe srcdoc=\"<img src=&quot;https://example.org/f.png&quot;>\">");
                   },
                   "html/about.htm: https://example.org/f.png: Loads from the web, which the "
                   "viewer refuses."},
        BrokenCase{"ABackgroundOutside",
                   [](const TWindowTestContent& c) {
                       Replace(c, "html/about.htm", "<body background=\"/etc/hosts\">");
                   },
                   "html/about.htm: /etc/hosts: Reaches outside the content folder."},
        BrokenCase{"AFormSendingOutside",
                   [](const TWindowTestContent& c) {
                       Replace(c, "html/about.htm", "<form action='../../../cgi-bin/send'>");
                   },
                   "html/about.htm: ../../../cgi-bin/send: Reaches outside the content folder."},
        BrokenCase{"ARefreshToTheWeb",
                   [](const TWindowTestContent& c) {
                       Replace(
                           c, "html/about.htm",
                           "<meta http-equiv=Refresh content=\"0; URL='https://example.org/'\">");
                   },
                   "html/about.htm: https://example.org/: Loads from the web, which the viewer "
                   "refuses."},
        BrokenCase{"APageInASubFolder",
                   [](const TWindowTestContent& c) {
                       Replace(c, "extra/deep/page.html", "<img src='gone.jpg'>");
                   },
                   "extra/deep/page.html: gone.jpg: Links a missing file."},
        BrokenCase{"AnSvgPictureFromTheWeb",
                   [](const TWindowTestContent& c) {
                       Replace(c, "design/logo.svg",
                               "<svg xmlns:xlink='http://www.w3.org/1999/xlink'>"
                               "<image xlink:href='https://example.org/i.png'/></svg>");
                   },
                   "design/logo.svg: https://example.org/i.png: Loads from the web, which the "
                   "viewer refuses."},
        BrokenCase{"SettingsLinkedOut",
                   [](const TWindowTestContent& c) {
                       LinkOut(c, "settings.ini", TestFiles::TTrap::LinkOutByAbsolutePath);
                   },
                   "settings.ini: It is a link that leads out of the content folder."},
        BrokenCase{"AResultPageLinkedOut",
                   [](const TWindowTestContent& c) {
                       LinkOut(c, "html/sortresult.htm", TestFiles::TTrap::LinkOutByRelativePath);
                   },
                   "html/sortresult.htm: It is a link that leads out of the content folder."},
        BrokenCase{"AFontLinkedOut",
                   [](const TWindowTestContent& c) {
                       LinkOut(c, "fonts/Serif.ttf", TestFiles::TTrap::LinkOutThroughProc);
                   },
                   "fonts/Serif.ttf: It is a link that leads out of the content folder."},
        BrokenCase{"AFolderLinkedOut",
                   [](const TWindowTestContent& c) { Link(c, "extra", QDir::tempPath()); },
                   "extra: It is a link that leads out of the content folder."}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// A line planted at the top of an INI section, and what the check tells of it: %1 stands for
// the line's number.
struct PlantedCase {
    const char* name;
    const char* file;
    const char* section;
    const char* planted;
    const char* told;
};

class PlantedLine : public ContentCheckTest, public testing::WithParamInterface<PlantedCase> {};

TEST_P(PlantedLine, IsToldWithItsPlaceAndTheCheckFails)
{
    const PlantedCase& row = GetParam();
    const int line = PrependToSection(content_, row.file, row.section, row.planted);
    EXPECT_EQ(Check(), 1);
    EXPECT_TRUE(output_.contains(QString::fromUtf8(row.told).arg(line) + u'\n'))
        << output_.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlantedLine,
    testing::Values(
        PlantedCase{"ANegativeButtonSize", "buttons.ini", "zoom", "bnd_w=-5",
                    "buttons.ini: [zoom] bnd_w, line %1: A negative size, -5."},
        PlantedCase{"ACoordinateThatIsNoNumber", "buttons.ini", "quest", "bnd_y=top",
                    "buttons.ini: [quest] bnd_y, line %1: Missing or not a number."},
        PlantedCase{"ACountWithoutItsSection", "velmora.ini", "settings", "tovacount=900",
                    "velmora.ini: [settings] tovacount, line %1: Counts 900 works, but there is "
                    "no section [tova-14]."},
        PlantedCase{"ACountThatIsNoNumber", "velmora.ini", "settings", "ilnacount=many",
                    "velmora.ini: [settings] ilnacount, line %1: Not a number."},
        PlantedCase{"ATimeThatIsNoNumber", "velmora.ini", "mira-1", "time=forty-five",
                    "velmora.ini: [mira-1] time, line %1: Not a number: \"forty-five\", so the "
                    "time shows as 0."},
        PlantedCase{"ATimeNoFilterFinds", "velmora.ini", "vesna-2", "time=5",
                    "velmora.ini: [vesna-2] time, line %1: 5 lies outside the time filter's 10 "
                    "to 250, so the filter never finds the work."},
        PlantedCase{"AComplexityWithACapital", "velmora.ini", "ilna-3", "complicate=Высокая",
                    "velmora.ini: [ilna-3] complicate, line %1: \"Высокая\" is no word the "
                    "complexity filter knows; it never finds the work by it. Probably "
                    "\"высокая\"."},
        PlantedCase{"AColourListWithAWordNoFilterKnows", "velmora.ini", "tova-1",
                    "color=белый, перламутр",
                    "velmora.ini: [tova-1] color, line %1: \"перламутр\" is no word the colour "
                    "filter knows; it never finds the work by it."},
        PlantedCase{"ALineWithNoEquals", "velmora.ini", "mira-2", "complicate high",
                    "velmora.ini: [mira-2], line %1: A line with no \"=\": \"complicate "
                    "high\"."},
        PlantedCase{"ASectionHeaderWithNoBracket", "scrolls.ini", "wb_vscroll", "[wb_extra",
                    "scrolls.ini: [wb_vscroll], line %1: A section header with no \"]\": "
                    "\"[wb_extra\"."}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// Content the check finds nothing wrong with, though it may look like a way out.
struct AcceptedCase {
    const char* name;
    void (*change)(const TWindowTestContent& content);
};

class AcceptedContent : public ContentCheckTest,
                        public testing::WithParamInterface<AcceptedCase> {};

TEST_P(AcceptedContent, PassesTheCheck)
{
    GetParam().change(content_);
    EXPECT_EQ(Check(), 0) << output_.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Table, AcceptedContent,
                         testing::Values(AcceptedCase{"ALinkToAnotherPageOfTheCatalogue",
                                                      [](const TWindowTestContent& c) {
                                                          Link(c, "html/copy.htm",
                                                               c.Path("html/about.htm"));
                                                      }},
                                         AcceptedCase{"ALinkToAFolderOfTheCatalogue",
                                                      [](const TWindowTestContent& c) {
                                                          Link(c, "pictures", c.Path("images"));
                                                      }}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
