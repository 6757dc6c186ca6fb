#include "SkinSection.h"

#include "Skin.h"
#include "SkinFolder.h"

#include <gtest/gtest.h>

namespace {

const QString kButtons = QStringLiteral("buttons.ini");
const QString kScrolls = QStringLiteral("scrolls.ini");

void ExpectBounds(const TBounds& bounds, int left, int top, int width, int height)
{
    EXPECT_EQ(bounds.Left, left);
    EXPECT_EQ(bounds.Top, top);
    EXPECT_EQ(bounds.Width, width);
    EXPECT_EQ(bounds.Height, height);
}

// A section as a skin made of the folder reads it.
TButtonSection ReadButton(const SkinFolder& folder, std::string_view section)
{
    return TSkin(folder.Dir()).Button(section);
}

TScrollSection ReadScroll(const SkinFolder& folder, std::string_view section)
{
    return TSkin(folder.Dir()).Scroll(section);
}

void ExpectNoPictures(const TButtonSection& read)
{
    for (const TSkinPicture& picture : read.Pictures)
        EXPECT_TRUE(picture.IsNull());
}

TEST(SkinSectionTest, ReadsEveryButtonKeyWithPicturesInStateOrder)
{
    SkinFolder folder;
    folder.WriteFile(kButtons, WriteButtonSkin(folder, "close_2_1", {5, 6, 30, 20}, {31, 21}));

    const TButtonSection read = ReadButton(folder, "close_2_1");

    ExpectBounds(read.Bounds, 5, 6, 30, 20);
    EXPECT_EQ(read.Title, QStringLiteral("close_2_1"));
    for (int state = 0; state < kButtonStateCount; ++state) {
        ASSERT_EQ(read.Pictures[state].Pixels().size(), QSize(31, 21)) << state;
        EXPECT_EQ(read.Pictures[state].Pixels().format(), QImage::Format_RGB32);
        EXPECT_TRUE(NearColour(read.Pictures[state].Pixels().pixel(15, 10), kStateColours[state]))
            << state;
    }
}

TEST(SkinSectionTest, SectionWithOnlyStateUpLeavesTheOtherPicturesEmpty)
{
    SkinFolder folder;
    folder.WritePicture("design\\up.jpg", {8, 8}, Qt::red);
    folder.WriteFile(kButtons, "[only_up]\r\nstate_up=design\\up.jpg\r\nbnd_x=1\r\nbnd_y=2\r\n"
                               "bnd_w=8\r\nbnd_h=8\r\n");

    const TButtonSection read = ReadButton(folder, "only_up");

    for (int state = 0; state < kButtonStateCount; ++state)
        EXPECT_EQ(read.Pictures[state].IsNull(), state != int(ButtonState::Up)) << state;
    EXPECT_TRUE(read.Title.isEmpty());
    ExpectBounds(read.Bounds, 1, 2, 8, 8);
}

TEST(SkinSectionTest, MissingFileGivesEveryDefault)
{
    SkinFolder folder;

    const TButtonSection read = ReadButton(folder, "close_2_1");

    ExpectNoPictures(read);
    EXPECT_TRUE(read.Title.isEmpty());
    ExpectBounds(read.Bounds, -1, -1, -1, -1);
}

TEST(SkinSectionTest, MissingSectionGivesEveryDefault)
{
    SkinFolder folder;
    folder.WriteFile(kButtons, WriteButtonSkin(folder, "yes", {5, 6, 30, 20}, {8, 8}));

    const TButtonSection read = ReadButton(folder, "no");

    ExpectNoPictures(read);
    ExpectBounds(read.Bounds, -1, -1, -1, -1);
}

TEST(SkinSectionTest, SectionAndKeyNamesMatchInAnyLetterCase)
{
    SkinFolder folder;
    folder.WritePicture("design\\close.jpg", {8, 8}, Qt::red);
    folder.WriteFile(kButtons, "[Close_2_1]\r\nSTATE_UP=design\\close.jpg\r\nBnd_X=7\r\n");

    const TButtonSection read = ReadButton(folder, "close_2_1");

    EXPECT_FALSE(read.Pictures[int(ButtonState::Up)].IsNull());
    EXPECT_EQ(read.Bounds.Left, 7);
}

TEST(SkinSectionTest, MissingOrUndecodablePictureStaysEmpty)
{
    SkinFolder folder;
    folder.WriteFile("design\\broken.jpg", "not a picture");
    folder.WriteFile(kButtons,
                     "[b]\r\nstate_up=design\\absent.jpg\r\nstate_down=design\\broken.jpg\r\n");

    const TButtonSection read = ReadButton(folder, "b");

    ExpectNoPictures(read);
}

TEST(SkinSectionTest, TitleIsWindows1251Text)
{
    SkinFolder folder;
    // "Закрыть" in Windows-1251.
    folder.WriteFile(kButtons, "[b]\r\ntitle=\xC7\xE0\xEA\xF0\xFB\xF2\xFC\r\n");

    const TButtonSection read = ReadButton(folder, "b");

    EXPECT_EQ(read.Title, QString::fromUtf8("Закрыть"));
}

struct BoundsCase {
    const char* name;
    QByteArray value;
    int expected;
};

std::ostream& operator<<(std::ostream& out, const BoundsCase& c)
{
    return out << c.name;
}

class SkinBoundsTest : public testing::TestWithParam<BoundsCase> {};

TEST_P(SkinBoundsTest, ReadsIntegerBounds)
{
    SkinFolder folder;
    folder.WriteFile(kButtons, "[b]\r\nbnd_x=" + GetParam().value + "\r\n");

    EXPECT_EQ(ReadButton(folder, "b").Bounds.Left, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SkinBoundsTest,
    testing::Values(BoundsCase{"Decimal", "120", 120}, BoundsCase{"Negative", "-5", -5},
                    BoundsCase{"HexWithZeroX", "0x1A", 26}, BoundsCase{"HexWithDollar", "$ff", 255},
                    BoundsCase{"Blanks", "  42  ", 42}, BoundsCase{"Empty", "", -1},
                    BoundsCase{"NotANumber", "left", -1}, BoundsCase{"TrailingText", "12px", -1},
                    BoundsCase{"TooLarge", "99999999999", -1},
                    BoundsCase{"HugeHexKeptWithinReach", "0x7FFFFFFF", 1 << 24},
                    BoundsCase{"HugeNegativeKeptWithinReach", "-2000000000", -(1 << 24)}),
    [](const testing::TestParamInfo<BoundsCase>& paramInfo) { return paramInfo.param.name; });

TEST(SkinSectionTest, ReadsScrollBarSection)
{
    SkinFolder folder;
    folder.WritePicture("design\\scroll\\bg.jpg", {12, 400}, Qt::white);
    folder.WriteFile(kScrolls, "[wb_vscroll]\r\nbutton_up=up\r\nbutton_down=down\r\n"
                               "button_polzunok=thumb\r\nbg=design\\scroll\\bg.jpg\r\n"
                               "bnd_x=$320\r\nbnd_y=20\r\nbnd_w=12\r\nbnd_h=400\r\n");

    const TScrollSection read = ReadScroll(folder, "wb_vscroll");

    EXPECT_EQ(read.ButtonUp, "up");
    EXPECT_EQ(read.ButtonDown, "down");
    EXPECT_EQ(read.Thumb, "thumb");
    EXPECT_EQ(read.Track.Pixels().size(), QSize(12, 400));
    ExpectBounds(read.Bounds, 800, 20, 12, 400);
}

TEST(SkinSectionTest, MissingScrollBarSectionNamesTheErrorSections)
{
    SkinFolder folder;

    const TScrollSection read = ReadScroll(folder, "wb_vscroll");

    EXPECT_EQ(read.ButtonUp, "error");
    EXPECT_EQ(read.ButtonDown, "error");
    EXPECT_EQ(read.Thumb, "error");
    EXPECT_TRUE(read.Track.IsNull());
    ExpectBounds(read.Bounds, -1, -1, -1, -1);
}

// One skin serves every window: a section is read once however many controls ask for it, and a
// picture that several sections name is checked and decoded once.
TEST(SkinSectionTest, ASkinReadsEachSectionOnceAndSharesEachPicture)
{
    SkinFolder folder;
    folder.WriteFile(kButtons, WriteButtonSkin(folder, "close_2_1", {5, 6, 30, 20}, {31, 21}) +
                                   "[close_again]\r\nstate_up=design\\close_2_1\\state_up.jpg\r\n");
    const TSkin skin(folder.Dir());
    const TButtonSection& first = skin.Button("close_2_1");
    folder.WriteFile(kButtons, "[close_2_1]\r\nbnd_x=99\r\n");

    EXPECT_EQ(&skin.Button("close_2_1"), &first);
    EXPECT_EQ(skin.Button("close_2_1").Bounds.Left, 5) << "the file was read again";
    const QImage& up = first.Pictures[int(ButtonState::Up)].Pixels();
    ASSERT_FALSE(up.isNull());
    EXPECT_EQ(&skin.Button("close_again").Pictures[int(ButtonState::Up)].Pixels(), &up);
    EXPECT_EQ(&skin.Picture(u"design\\close_2_1\\state_up.jpg").Pixels(), &up);
}

TEST(SkinSectionTest, ReadingNeverWritesTheFile)
{
    SkinFolder folder;
    const QByteArray text = "[b]\r\nbnd_x=1\r\n";
    folder.WriteFile(kButtons, text);

    ReadButton(folder, "missing");

    QFile file(folder.Dir() + "/buttons.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), text);
}

} // namespace
