#include "CatalogueLoader.h"
#include "ContentGenerator.h"
#include "ContentPath.h"
#include "Filters.h"
#include "JpegPicture.h"
#include "ProfileFile.h"
#include "TestFiles.h"
#include "Win1251.h"
#include "WindowLayout.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// The viewer's windows and the sections of buttons.ini they add, in their order.
struct TWindowSections {
    const char* Window;
    QSize Size;
    std::vector<std::string> Sections;
};

std::vector<std::string> Numbered(const std::string& prefix, int count)
{
    std::vector<std::string> names;
    for (int k = 1; k <= count; ++k)
        names.push_back(prefix + std::to_string(k));
    return names;
}

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::vector<TWindowSections>& WindowSections()
{
    static const std::vector<TWindowSections> windows = {
        {"main",
         WindowLayout::kMainWindow,
         {"zoom", "minimize", "close", "quest", "sign_1_4", "sign_1_6", "sign_1_3", "sign_1_2",
          "sign_1_1", "sign_1_5", "sign_1_7"}},
        {"catalogue", WindowLayout::kBrowserWindow,
         Joined({{"close_2_1", "button_show", "button_all"},
                 Numbered("param_", 7),
                 Numbered("filtr_1_", 3),
                 Numbered("filtr_2_", 5),
                 Numbered("filtr_3_", 18),
                 Numbered("filtr_4_", 3),
                 Numbered("filtr_5_", 10),
                 Numbered("filtr_6_", 3)})},
        {"large picture",
         WindowLayout::kBrowserWindow,
         {"close_2_1", "L1param_1", "L1param_2", "L1param_3"}},
        {"work page", WindowLayout::kBrowserWindow, {"close_2_1", "L2param_1"}},
        {"search", WindowLayout::kBrowserWindow, {"search_btn", "s_image", "s_text", "close_2_1"}},
        {"information", WindowLayout::kBrowserWindow, {"close_2_1"}},
        {"context", WindowLayout::kContextPopUp, {"context_save", "context_print", "context_copy"}},
        {"message", WindowLayout::kMessage, {"no", "yes"}},
    };
    return windows;
}

struct TScrollBar {
    const char* Section;
    QSize ArrowSize;
    QSize ThumbSize;
    std::vector<QRect> Browsers; // the browsers it stands beside, in its windows
};

const std::vector<TScrollBar>& ScrollBars()
{
    static const std::vector<TScrollBar> bars = {
        {"wb_vscroll",
         {12, 12},
         {12, 45},
         {WindowLayout::kCatalogueBrowser, WindowLayout::kSearchBrowser}},
        {"wb_vscroll_L21", {12, 12}, {12, 45}, {WindowLayout::kWorkBrowser}},
        {"wb_vscroll_sh", {12, 12}, {10, 31}, {WindowLayout::kHistoryBrowser}},
    };
    return bars;
}

// The hit polygons of the main window's signs.
std::vector<std::pair<std::string, QPolygon>> SignPolygons()
{
    std::vector<std::pair<std::string, QPolygon>> polygons;
    for (const WindowLayout::TSignShape& sign : WindowLayout::kSigns)
        polygons.emplace_back(sign.Section,
                              QPolygon(QList<QPoint>(sign.Ring.begin(), sign.Ring.end())));
    return polygons;
}

const std::vector<std::string_view> kStateKeys = {"state_disable", "state_up", "state_down",
                                                  "state_over", "state_active"};

class SampleContent : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = std::make_unique<TestFiles::TContentFolder>();
        failures_ = ContentGenerator::Generate(folder_->path());
    }
    static void TearDownTestSuite() { folder_.reset(); }

    static QString Dir() { return folder_->path(); }
    static QString Path(const std::string& relative)
    {
        return ContentPath::Join(Dir(), QString::fromStdString(relative));
    }
    static QImage Picture(const std::string& relative)
    {
        QImage image;
        LoadJpegBitmap(Path(relative), image);
        return image;
    }
    static ProfileFile Buttons() { return ProfileFile(Path("buttons.ini")); }
    static QRect Bounds(const ProfileFile& ini, const std::string& section)
    {
        return QRect(ini.ReadInteger(section, "bnd_x", -1), ini.ReadInteger(section, "bnd_y", -1),
                     ini.ReadInteger(section, "bnd_w", -1), ini.ReadInteger(section, "bnd_h", -1));
    }
    static QRect SectionBounds(const std::string& section) { return Bounds(Buttons(), section); }
    static TVelmoraDataArray Works()
    {
        TVelmoraDataArray works;
        LoadCatalogue(Dir(), works);
        return works;
    }

    static inline std::unique_ptr<TestFiles::TContentFolder> folder_;
    static inline QString failures_;
};

TEST_F(SampleContent, GeneratesWithoutFailures)
{
    EXPECT_TRUE(failures_.isEmpty()) << failures_.toStdString();
}

TEST_F(SampleContent, EveryButtonSectionHasFivePicturesOfItsBoundsInsideItsWindow)
{
    const ProfileFile ini = Buttons();
    for (const TWindowSections& window : WindowSections()) {
        for (const std::string& section : window.Sections) {
            SCOPED_TRACE(window.Window + (" / " + section));
            const QRect bounds = Bounds(ini, section);
            EXPECT_TRUE(QRect(QPoint(0, 0), window.Size).contains(bounds)) << "outside the window";
            EXPECT_FALSE(ini.ReadString(section, "title", "").empty());
            for (std::string_view key : kStateKeys) {
                const QImage image = Picture(ini.ReadString(section, key, "error"));
                EXPECT_EQ(image.size(), bounds.size()) << key;
            }
        }
    }
}

// Two pictures look different when enough pixels differ clearly.
bool VisiblyDifferent(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return true;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                    std::abs(qBlue(p) - qBlue(q)) >
                40)
                ++differing;
        }
    return differing >= std::min(12, a.width() * a.height() / 8);
}

TEST_F(SampleContent, TheFiveStatesOfEveryButtonLookDifferent)
{
    const ProfileFile ini = Buttons();
    std::set<std::string> sections;
    for (const TWindowSections& window : WindowSections())
        sections.insert(window.Sections.begin(), window.Sections.end());
    for (const TScrollBar& bar : ScrollBars())
        for (const char* key : {"button_up", "button_down", "button_polzunok"})
            sections.insert(ProfileFile(Path("scrolls.ini")).ReadString(bar.Section, key, ""));
    for (const std::string& section : sections) {
        std::vector<QImage> states;
        for (std::string_view key : kStateKeys)
            states.push_back(Picture(ini.ReadString(section, key, "error")));
        for (size_t i = 0; i < states.size(); ++i)
            for (size_t j = i + 1; j < states.size(); ++j)
                EXPECT_TRUE(VisiblyDifferent(states[i], states[j]))
                    << section << ": " << kStateKeys[i] << " and " << kStateKeys[j];
    }
}

TEST_F(SampleContent, ScrollBarsStandBesideTheirBrowsersWithPicturesOfTheirSizes)
{
    const ProfileFile scrolls(Path("scrolls.ini"));
    const ProfileFile buttons = Buttons();
    for (const TScrollBar& bar : ScrollBars()) {
        SCOPED_TRACE(bar.Section);
        const QRect bounds = Bounds(scrolls, bar.Section);
        // The compact bar's arrows stand one pixel left of it.
        const QRect reach = bounds.adjusted(-1, 0, 0, 0);
        EXPECT_EQ(bounds.width(), bar.ArrowSize.width());
        EXPECT_TRUE(QRect(QPoint(), WindowLayout::kBrowserWindow).contains(reach));
        for (const QRect& browser : bar.Browsers) {
            EXPECT_FALSE(reach.intersects(browser));
            // Beside it: the same height, give or take the pixel by which the windows differ.
            EXPECT_LE(std::abs(bounds.top() - browser.top()), 1);
            EXPECT_LE(std::abs(bounds.bottom() - browser.bottom()), 1);
        }
        EXPECT_EQ(Picture(scrolls.ReadString(bar.Section, "bg", "error")).size(), bounds.size());
        const std::pair<const char*, QSize> parts[] = {{"button_up", bar.ArrowSize},
                                                       {"button_down", bar.ArrowSize},
                                                       {"button_polzunok", bar.ThumbSize}};
        for (const auto& [key, size] : parts) {
            const std::string section = scrolls.ReadString(bar.Section, key, "error");
            for (std::string_view state : kStateKeys)
                EXPECT_EQ(Picture(buttons.ReadString(section, state, "error")).size(), size)
                    << key << " " << state;
        }
    }
}

TEST_F(SampleContent, BackgroundsHaveTheSizeOfTheirWindows)
{
    const std::pair<const char*, QSize> pictures[] = {
        {"design\\windows\\main\\fon.jpg", WindowLayout::kMainWindow},
        {"design\\windows\\childs\\fon_2.jpg", WindowLayout::kBrowserWindow},
        {"design\\windows\\childs\\fon_1_2.jpg", WindowLayout::kBrowserWindow},
        {"design\\windows\\childs\\fon_2_1.jpg", WindowLayout::kBrowserWindow},
        {"design\\windows\\childs\\fon_about.jpg", WindowLayout::kBrowserWindow},
        {"design\\windows\\search\\fon_search.jpg", WindowLayout::kBrowserWindow},
        {"design\\loader\\loading_bg.jpg", WindowLayout::kSplash},
        {"design\\windows\\Exit_Link\\fon_exit.jpg", WindowLayout::kMessage},
        {"design\\windows\\Exit_Link\\fon_link.jpg", WindowLayout::kMessage},
        {"design\\windows\\context\\fon.jpg", WindowLayout::kContextPopUp},
    };
    for (const auto& [path, size] : pictures)
        EXPECT_EQ(Picture(path).size(), size) << path;
    EXPECT_TRUE(VisiblyDifferent(Picture("design\\windows\\Exit_Link\\fon_exit.jpg"),
                                 Picture("design\\windows\\Exit_Link\\fon_link.jpg")));
}

TEST_F(SampleContent, SmallerPicturesFitWhereTheyAreDrawn)
{
    const QImage bar = Picture("design\\loader\\loading_pr.jpg");
    EXPECT_GE(bar.width(), 491);
    EXPECT_EQ(bar.height(), 38);
    const QImage panel = Picture("design\\windows\\filters\\filter.jpg");
    EXPECT_TRUE(QRect(QPoint(), WindowLayout::kBrowserWindow)
                    .contains(QRect(WindowLayout::kFilterPanelPlace, panel.size())));
    for (const char* heading : {"design\\windows\\search\\images\\h_image.jpg",
                                "design\\windows\\search\\images\\h_text.jpg"}) {
        const QImage image = Picture(heading);
        EXPECT_FALSE(image.isNull()) << heading;
        // Drawn at (29, 5): it must stay within the header, clear of the search browser.
        EXPECT_LE(5 + image.height(), 53) << heading;
        EXPECT_LE(29 + image.width(), 850) << heading;
    }
    for (const char* page :
         {"design\\windows\\childs\\images\\bg_s.jpg", "design\\windows\\childs\\images\\bg_sh.jpg",
          "html\\img\\time_small.jpg", "html\\img\\difficulty_small_1.jpg",
          "html\\img\\difficulty_small_2.jpg", "html\\img\\difficulty_small_3.jpg"})
        EXPECT_FALSE(Picture(page).isNull()) << page;
}

TEST_F(SampleContent, FilterButtonsOfEachGroupLieApartInsideTheFilterPanel)
{
    const QRect panel(QPoint(673, 278), Picture("design\\windows\\filters\\filter.jpg").size());
    const int counts[] = {3, 5, 18, 3, 10, 3};
    for (int g = 1; g <= 6; ++g) {
        std::vector<QRect> placed;
        for (const std::string& section :
             Numbered("filtr_" + std::to_string(g) + "_", counts[g - 1])) {
            const QRect bounds = SectionBounds(section);
            EXPECT_TRUE(panel.contains(bounds)) << section;
            for (const QRect& other : placed)
                EXPECT_FALSE(bounds.intersects(other)) << section;
            placed.push_back(bounds);
        }
    }
}

// Places each window keeps free of its buttons: browsers, pictures, the edit, scroll bars.
struct TWindowFreeAreas {
    std::vector<std::string> Sections;
    std::vector<QRect> Reserved;
};

TEST_F(SampleContent, WindowButtonsOverlapNeitherEachOtherNorReservedPlaces)
{
    const QRect bar = Bounds(ProfileFile(Path("scrolls.ini")), "wb_vscroll");
    const QRect workBar = Bounds(ProfileFile(Path("scrolls.ini")), "wb_vscroll_L21");
    const QRect historyBar = Bounds(ProfileFile(Path("scrolls.ini")), "wb_vscroll_sh");
    const QRect panel(WindowLayout::kFilterPanelPlace, QSize(160, 250));
    const std::vector<TWindowFreeAreas> windows = {
        {Joined({{"close_2_1", "button_show", "button_all"}, Numbered("param_", 7)}),
         {WindowLayout::kCatalogueBrowser, bar, panel}},
        {{"close_2_1", "L2param_1"},
         {WindowLayout::kWorkBrowser, workBar, WindowLayout::kMiddlePicture}},
        {{"close_2_1", "L1param_1", "L1param_2", "L1param_3"}, {WindowLayout::kLargePicture}},
        {{"close_2_1", "search_btn", "s_image"},
         {WindowLayout::kSearchBrowser, WindowLayout::kHistoryBrowser, WindowLayout::kSearchEdit,
          bar, historyBar.adjusted(-1, 0, 0, 0),
          QRect(WindowLayout::kSearchHeadingPlace, QSize(300, 30))}},
        {{"close_2_1"}, {WindowLayout::kCatalogueBrowser, bar}},
        {{"zoom", "minimize", "close", "quest"}, {}},
        {{"no", "yes"}, {}},
        {{"context_save", "context_print", "context_copy"}, {}},
    };
    for (const TWindowFreeAreas& window : windows) {
        std::vector<QRect> taken = window.Reserved;
        for (const std::string& section : window.Sections) {
            // Hit rectangles include their right and bottom edges.
            const QRect hit = SectionBounds(section).adjusted(0, 0, 1, 1);
            for (const QRect& other : taken)
                EXPECT_FALSE(hit.intersects(other)) << section;
            taken.push_back(hit);
        }
    }
    for (const auto& [sign, polygon] : SignPolygons())
        for (const char* frameButton : {"zoom", "minimize", "close", "quest"})
            EXPECT_FALSE(SectionBounds(frameButton).intersects(polygon.boundingRect()))
                << frameButton << " " << sign;
    EXPECT_EQ(SectionBounds("s_image"), SectionBounds("s_text"));
}

TEST_F(SampleContent, SignPicturesCoverTheirHitPolygons)
{
    for (const auto& [sign, polygon] : SignPolygons())
        EXPECT_EQ(SectionBounds(sign), polygon.boundingRect()) << sign;
}

TEST_F(SampleContent, CatalogueIsCompleteWithPicturesAndPagesForEveryWork)
{
    const TVelmoraDataArray works = Works();
    EXPECT_GE(works.size(), 50u);
    for (const TAuthor& author : kAuthors) {
        const auto count = std::count_if(works.begin(), works.end(), [&](const TVelmoraData& w) {
            return w.Author == author.Name;
        });
        EXPECT_TRUE(count >= 12 && count <= 15) << author.Id << " has " << count;
    }
    const std::pair<const char*, QSize> sizes[] = {{"images\\middle\\", {260, 424}},
                                                   {"images\\big\\", {579, 434}}};
    for (const TVelmoraData& work : works) {
        SCOPED_TRACE(work.FileName);
        for (const std::string* field : {&work.Name, &work.Complicate, &work.Materials,
                                         &work.Temper, &work.Color, &work.Theme})
            EXPECT_NE(*field, "-");
        EXPECT_TRUE(work.Time >= 10 && work.Time <= 250);
        ASSERT_TRUE(work.Text);
        EXPECT_GE(work.Text->size(), 3u);
        for (const auto& [folder, size] : sizes)
            EXPECT_EQ(Picture(folder + work.FileName + ".jpg").size(), size) << folder;
        const QImage thumbnail = Picture("images\\small\\" + work.FileName + ".jpg");
        EXPECT_TRUE(!thumbnail.isNull() && thumbnail.width() <= 140);
        EXPECT_TRUE(QFile::exists(Path("html\\" + work.FileName + ".htm")));
    }
}

TEST_F(SampleContent, EveryFilterFlagMatchesSomeButNotAllWorks)
{
    const TVelmoraDataArray works = Works();
    for (int group = 1; group < kFilterGroupCount; ++group) {
        for (size_t flag = 0; flag < kFilterFlagCounts[size_t(group)]; ++flag) {
            TFilterFlags flags(kFilterFlagCounts[size_t(group)], false);
            flags[flag] = true;
            const size_t matching = SelectFilterGroup(works, group, flags).size();
            EXPECT_GT(matching, 0u) << "group " << group << " flag " << flag + 1;
            EXPECT_LT(matching, works.size()) << "group " << group << " flag " << flag + 1;
        }
    }
}

TEST_F(SampleContent, TimesReachEveryBandEdge)
{
    std::set<int> times;
    for (const TVelmoraData& work : Works())
        times.insert(work.Time);
    for (int edge : {40, 41, 70, 71, 100, 101, 150, 151, 250})
        EXPECT_TRUE(times.count(edge)) << edge;
}

TEST_F(SampleContent, NamesAndWordsCoverTheOrderingCases)
{
    const TVelmoraDataArray works = Works();
    bool asciiCasePair = false;
    bool cyrillicCasePair = false;
    for (size_t i = 0; i < works.size(); ++i)
        for (size_t j = i + 1; j < works.size(); ++j) {
            const std::string& a = works[i].Name;
            const std::string& b = works[j].Name;
            if (a == b)
                continue;
            asciiCasePair = asciiCasePair || Win1251::SameAsciiNoCase(a, b);
            cyrillicCasePair = cyrillicCasePair || (!Win1251::SameAsciiNoCase(a, b) &&
                                                    Win1251::Upper(a) == Win1251::Upper(b));
        }
    EXPECT_TRUE(asciiCasePair);
    EXPECT_TRUE(cyrillicCasePair);
    const std::string yo = Win1251::FromUtf8("ё");
    EXPECT_TRUE(std::any_of(works.begin(), works.end(), [&](const TVelmoraData& w) {
        return w.Name.find(yo) != std::string::npos;
    }));
    TFilterFlags allComplexities(3, true);
    EXPECT_LT(SelectFilterGroup(works, 1, allComplexities).size(), works.size())
        << "some complexity word outside the three";
}

TEST_F(SampleContent, AllTextsAreWindows1251)
{
    QDirIterator files(Dir(), {"*.ini", "*.htm", "*.html", "*.txt", "*.css"}, QDir::Files,
                       QDirIterator::Subdirectories);
    int checked = 0;
    while (files.hasNext()) {
        QFile file(files.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::string bytes = file.readAll().toStdString();
        SCOPED_TRACE(file.fileName().toStdString());
        EXPECT_EQ(Win1251::FromUnicode(Win1251::ToUnicode(bytes)), bytes);
        EXPECT_EQ(bytes.find('\x98'), std::string::npos) << "unassigned byte";
        EXPECT_TRUE(std::none_of(bytes.begin(), bytes.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 && c != '\r' && c != '\n' && c != '\t';
        }));
        // UTF-8 Cyrillic would start with 0xD0 or 0xD1 followed by a continuation byte.
        EXPECT_FALSE(QString::fromUtf8(bytes).contains(QChar(0x0430))) << "written as UTF-8";
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

TEST_F(SampleContent, NamedPagesAreStyledAndAboutHoldsEachKindOfLink)
{
    const auto read = [](const std::string& relative) {
        QFile file(Path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    };
    for (const char* page : {"html\\notfound.html", "html\\filter1.htm", "html\\search.htm",
                             "html\\search1.htm", "html\\notfound_s.html", "html\\about.htm"}) {
        const std::string text = read(page);
        EXPECT_NE(text.find("styletext.css"), std::string::npos) << page;
        EXPECT_NE(text.find("charset=windows-1251"), std::string::npos) << page;
    }
    const std::string about = read("html\\about.htm");
    EXPECT_NE(about.find("href=\"<<0\""), std::string::npos);
    EXPECT_NE(about.find("href=\">>0\""), std::string::npos);
    EXPECT_NE(about.find("target=\"_blank\""), std::string::npos);
    const std::string style = read("html\\styletext.css");
    EXPECT_NE(style.find(".name"), std::string::npos);
    EXPECT_NE(style.find(".pics"), std::string::npos);
}

TEST_F(SampleContent, FontsFolderHoldsNoFontFiles)
{
    const QDir fonts(Path("fonts"));
    EXPECT_TRUE(fonts.exists());
    EXPECT_TRUE(fonts.entryList({"*.otf", "*.ttf"}, QDir::Files).isEmpty());
}

std::map<QString, QByteArray> Files(const QString& root)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            files[QDir(root).relativeFilePath(file.fileName())] = file.readAll();
    }
    return files;
}

TEST_F(SampleContent, GeneratingAgainWritesTheSameBytes)
{
    QTemporaryDir again;
    ASSERT_TRUE(ContentGenerator::Generate(again.path()).isEmpty());
    const auto first = Files(Dir());
    const auto second = Files(again.path());
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [name, bytes] : first) {
        const auto other = second.find(name);
        ASSERT_NE(other, second.end()) << name.toStdString();
        EXPECT_TRUE(other->second == bytes) << name.toStdString();
    }
}

} // namespace
