#include "ButtonPainter.h"
#include "CatalogueWriter.h"
#include "ContentFolder.h"
#include "DesignPalette.h"
#include "HtmlText.h"
#include "IniText.h"
#include "JpegPicture.h"
#include "JpegWriter.h"
#include "MainWindowPainter.h"
#include "NailPainter.h"
#include "ProfileFile.h"
#include "SampleCatalogue.h"
#include "SeededRandom.h"
#include "SkinLayout.h"
#include "TestFiles.h"
#include "Win1251.h"

#include <QFile>
#include <QPainter>
#include <QPolygonF>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

struct TPaletteCase {
    const char* Name;
    const char* Text;
    size_t Count;
    bool Gold;
    bool Silver;
};

class PaletteFromColourText : public testing::TestWithParam<TPaletteCase> {};

TEST_P(PaletteFromColourText, ReadsEveryKnownColourInOrder)
{
    const TPaletteCase& c = GetParam();
    const TDesignPalette palette = DesignPalette::FromColorText(c.Text);
    EXPECT_EQ(palette.Colors.size(), c.Count);
    EXPECT_EQ(palette.Gold, c.Gold);
    EXPECT_EQ(palette.Silver, c.Silver);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaletteFromColourText,
    testing::Values(TPaletteCase{"List", "светло-голубой, белый", 2, false, false},
                    TPaletteCase{"NoBlanks", "красный,белый,черный", 3, false, false},
                    TPaletteCase{"Gold", "розовый, золотой", 2, true, false},
                    TPaletteCase{"Metallic", "металлик, черный", 2, false, true},
                    TPaletteCase{"Silver", "серебряный", 1, false, true},
                    TPaletteCase{"UnknownFallsBack", "бежевый", 1, false, false},
                    TPaletteCase{"Empty", "", 1, false, false}),
    [](const testing::TestParamInfo<TPaletteCase>& testCase) { return testCase.param.Name; });

TEST(PaletteFromColourText, LightAndDarkPrefixesShadeTheColour)
{
    const QColor blue = DesignPalette::FromColorText("голубой").Colors.front();
    EXPECT_GT(DesignPalette::FromColorText("светло-голубой").Colors.front().lightness(),
              blue.lightness());
    const QColor navy = DesignPalette::FromColorText("синий").Colors.front();
    EXPECT_LT(DesignPalette::FromColorText("темно-синий").Colors.front().lightness(),
              navy.lightness());
}

TEST(SeededRandomTest, SameSeedGivesSameSequenceWithinRange)
{
    SeededRandom a(SeededRandom::SeedOf("mira-1"));
    SeededRandom b(SeededRandom::SeedOf("mira-1"));
    SeededRandom other(SeededRandom::SeedOf("mira-2"));
    bool differs = false;
    for (int k = 0; k < 1000; ++k) {
        const double x = a.Unit();
        EXPECT_EQ(x, b.Unit());
        EXPECT_TRUE(x >= 0 && x < 1);
        differs = differs || x != other.Unit();
        const int below = a.Below(7);
        EXPECT_EQ(below, b.Below(7));
        EXPECT_TRUE(below >= 0 && below < 7);
        other.Below(7);
    }
    EXPECT_TRUE(differs);
}

TEST(IniTextTest, WritesSectionsAndKeysAProfileFileReadsBack)
{
    IniText ini;
    ini.Section("settings");
    ini.Key("miracount", 13);
    ini.Section("mira-1");
    ini.Key("name", "Роза");
    EXPECT_EQ(ini.Utf8(), "[settings]\r\nmiracount=13\r\n\r\n[mira-1]\r\nname=Роза\r\n");

    TestFiles::TContentFolder dir;
    ContentFolder folder(dir.path());
    folder.WriteText(u"test.ini", ini.Utf8());
    const ProfileFile profile(folder.PathOf(u"test.ini"));
    EXPECT_EQ(profile.ReadInteger("settings", "miracount", 0), 13);
    EXPECT_EQ(profile.ReadString("Mira-1", "name", "-"), Win1251::FromUtf8("Роза"));
}

TEST(HtmlTextTest, PageHasTheCodePageTheStyleSheetAndCrLfLines)
{
    HtmlText page("Title", "work");
    page.Line("<p>text</p>");
    const std::string text = page.Finish();
    EXPECT_EQ(text.rfind("<HTML>\r\n", 0), 0u);
    EXPECT_NE(text.find("charset=windows-1251"), std::string::npos);
    EXPECT_NE(text.find("HREF=\"styletext.css\""), std::string::npos);
    EXPECT_NE(text.find("<BODY class=work>\r\n<p>text</p>\r\n</BODY>\r\n</HTML>\r\n"),
              std::string::npos);
}

TEST(ContentFolderTest, FailedWritesAreReported)
{
    TestFiles::TContentFolder dir;
    ContentFolder blocked(dir.filePath("file"));
    QFile file(dir.filePath("file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    blocked.WriteText(u"html\\page.htm", "x");
    blocked.WriteJpeg(u"a.jpg", QImage(4, 4, QImage::Format_RGB32));
    EXPECT_EQ(blocked.Failures(), QStringLiteral("html\\page.htm\na.jpg\n"));
}

QImage Stripes()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(0xC7, 0x6B, 0x7E));
    QPainter p(&image);
    p.fillRect(QRect(0, 0, 20, 30), QColor(0x4A, 0x0F, 0x1C));
    return image;
}

TEST(JpegWriterTest, WritesAPictureOurLoaderReadsBackTheSameEveryTime)
{
    TestFiles::TContentFolder dir;
    const QString first = dir.filePath("a.jpg");
    const QString second = dir.filePath("b.jpg");
    ASSERT_TRUE(JpegWriter::Write(Stripes(), first));
    ASSERT_TRUE(JpegWriter::Write(Stripes(), second));
    QFile a(first), b(second);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());

    QImage loaded;
    LoadJpegBitmap(first, loaded);
    ASSERT_EQ(loaded.size(), QSize(40, 30));
    for (QPoint point : {QPoint(5, 15), QPoint(35, 15)}) {
        const QColor expected = Stripes().pixelColor(point);
        const QColor got = loaded.pixelColor(point);
        EXPECT_LE(std::abs(got.red() - expected.red()) + std::abs(got.green() - expected.green()) +
                      std::abs(got.blue() - expected.blue()),
                  12);
    }
}

TEST(JpegWriterTest, RefusesAnEmptyPicture)
{
    TestFiles::TContentFolder dir;
    EXPECT_FALSE(JpegWriter::Write(QImage(), dir.filePath("empty.jpg")));
    EXPECT_FALSE(QFile::exists(dir.filePath("empty.jpg")));
}

TEST(SampleCatalogueTest, TextNamesTheDataTheSearchLooksFor)
{
    const TSampleWork& work = SampleCatalogue::Authors().front().Works.front();
    const std::string text = SampleCatalogue::TextOf(work);
    for (std::string_view part :
         {work.Description, work.Technique, work.Motif, work.Materials, work.Color, work.Occasion})
        EXPECT_NE(text.find(part), std::string::npos) << part;
    EXPECT_NE(text.find(std::to_string(work.Time)), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(CatalogueWriter::StemOf(SampleCatalogue::Authors()[1], 11), "vesna-12");
}

TEST(SkinLayoutTest, SectionsAndPicturePathsAreUnique)
{
    std::set<std::string> sections;
    std::set<std::string> pictures;
    const auto add = [&](std::string_view section) {
        EXPECT_TRUE(sections.insert(std::string(section)).second) << section;
        for (size_t state = 0; state < SkinLayout::kStateKeys.size(); ++state)
            EXPECT_TRUE(pictures.insert(SkinLayout::PicturePath(section, state)).second);
    };
    for (const TButtonLayout& button : SkinLayout::Buttons())
        add(button.Section);
    for (const TSignLayout& sign : SkinLayout::Signs())
        add(sign.Shape.Section);
    for (const TScrollLayout& scroll : SkinLayout::Scrolls())
        for (std::string_view part : {scroll.Up, scroll.Down, scroll.Thumb})
            EXPECT_TRUE(sections.count(std::string(part))) << part;
}

TEST(SkinLayoutTest, FilterSwitchesAreTheOnlyToggles)
{
    for (const TButtonLayout& button : SkinLayout::Buttons())
        EXPECT_EQ(button.Look == TLook::Toggle, button.Section.rfind("filtr_", 0) == 0)
            << button.Section;
}

TEST(ButtonPainterTest, RoundedButtonsKeepTheSurfaceInTheirCorners)
{
    QImage underlay(80, 26, QImage::Format_RGB32);
    underlay.fill(QColor(0x12, 0x34, 0x56));
    for (const TButtonLayout& button : SkinLayout::Buttons()) {
        if (button.Look != TLook::Pill && button.Look != TLook::Toggle)
            continue;
        const QImage surface = underlay.scaled(button.Bounds.size());
        for (size_t state = 0; state < SkinLayout::kStateKeys.size(); ++state) {
            const QImage picture = ButtonPainter::Paint(button, state, surface);
            ASSERT_EQ(picture.size(), button.Bounds.size()) << button.Section;
            EXPECT_EQ(picture.pixel(0, 0), surface.pixel(0, 0)) << button.Section;
            EXPECT_NE(picture.pixel(picture.width() / 2, picture.height() / 2), surface.pixel(0, 0))
                << button.Section;
        }
    }
}

TEST(NailPainterTest, SameWorkAndSeedPaintTheSamePicture)
{
    const TSampleWork& work = SampleCatalogue::Authors()[2].Works[3];
    const NailPainter::TPictureLayout layout{QSize(200, 150), 3, true};
    const QImage first = NailPainter::Paint(work, layout, 7);
    EXPECT_EQ(first.size(), layout.Size);
    EXPECT_EQ(first, NailPainter::Paint(work, layout, 7));
    EXPECT_NE(first, NailPainter::Paint(work, layout, 8));
}

// Where a later sign's picture covers an earlier sign, the earlier sign stays visible: drawn
// in strip order, the pictures show every sign exactly as its own picture does.
TEST(SignPicturesTest, LaterPicturesRepeatTheSignsTheyCover)
{
    const QImage background = MainWindowPainter::PaintBackground();
    MainWindowPainter::TSignScene scene(background);
    std::vector<QImage> up;
    std::vector<QRect> bounds;
    std::vector<QPolygonF> shapes;
    for (const TSignLayout& sign : SkinLayout::Signs()) {
        up.push_back(scene.Picture(sign, 1));
        scene.Settle(sign);
        QPolygonF shape;
        for (const QPoint& point : sign.Shape.Ring)
            shape << QPointF(point);
        shapes.push_back(shape);
        bounds.push_back(shape.toPolygon().boundingRect());
    }
    QImage composed = background;
    {
        QPainter p(&composed);
        for (size_t k = 0; k < up.size(); ++k)
            p.drawImage(bounds[k].topLeft(), up[k]);
    }
    // Away from the antialiased edges of later signs, each sign shows its own picture.
    const auto nearLater = [&](size_t k, QPoint point) {
        for (size_t j = k + 1; j < shapes.size(); ++j)
            for (QPoint offset :
                 {QPoint(0, 0), QPoint(-3, 0), QPoint(3, 0), QPoint(0, -3), QPoint(0, 3)})
                if (shapes[j].containsPoint(QPointF(point + offset), Qt::OddEvenFill))
                    return true;
        return false;
    };
    int checked = 0;
    for (size_t k = 0; k < up.size(); ++k) {
        for (size_t j = k + 1; j < up.size(); ++j) {
            const QRect overlap = bounds[k].intersected(bounds[j]);
            for (int y = overlap.top(); y <= overlap.bottom(); y += 2)
                for (int x = overlap.left(); x <= overlap.right(); x += 2) {
                    const QPoint point(x, y);
                    if (!shapes[k].containsPoint(QPointF(point), Qt::OddEvenFill) ||
                        nearLater(k, point))
                        continue;
                    const QColor own = up[k].pixelColor(point - bounds[k].topLeft());
                    const QColor shown = composed.pixelColor(point);
                    ASSERT_LE(std::abs(own.red() - shown.red()) +
                                  std::abs(own.green() - shown.green()) +
                                  std::abs(own.blue() - shown.blue()),
                              6)
                        << SkinLayout::Signs()[k].Shape.Section << " hidden at " << x << "," << y;
                    ++checked;
                }
        }
    }
    EXPECT_GT(checked, 100);
}

// Hover and press change a sign only where no later picture covers it, so no seam shows.
TEST(SignPicturesTest, StatesDifferOnlyWhereNoLaterPictureCovers)
{
    MainWindowPainter::TSignScene scene(MainWindowPainter::PaintBackground());
    const auto signs = SkinLayout::Signs();
    for (size_t k = 0; k < signs.size(); ++k) {
        const QRect own = SkinLayout::BoundsOf(signs[k]);
        const QImage up = scene.Picture(signs[k], 1);
        for (size_t state : {2u, 3u}) {
            const QImage lit = scene.Picture(signs[k], state);
            for (size_t j = k + 1; j < signs.size(); ++j) {
                const QRect covered = own.intersected(SkinLayout::BoundsOf(signs[j]));
                for (int y = covered.top(); y <= covered.bottom(); ++y)
                    for (int x = covered.left(); x <= covered.right(); ++x) {
                        const QPoint local = QPoint(x, y) - own.topLeft();
                        ASSERT_EQ(up.pixel(local), lit.pixel(local))
                            << signs[k].Shape.Section << " state " << state << " at " << x << ","
                            << y;
                    }
            }
        }
    }
}

} // namespace
