#include "ContentProblems.h"
#include "JpegFiles.h"
#include "JpegPicture.h"
#include "TestFiles.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <random>

namespace {

std::string EncodeJpeg(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPG", 95));
    return std::string(bytes.constData(), size_t(bytes.size()));
}

QImage Filled(int width, int height, QColor color, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    image.fill(color);
    return image;
}

// Rewrites the frame size of the first start-of-frame marker.
std::string WithDeclaredSize(std::string jpeg, int width, int height)
{
    const size_t sof = jpeg.find("\xFF\xC0");
    EXPECT_NE(sof, std::string::npos);
    jpeg[sof + 5] = char(height >> 8), jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8), jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

bool Near(QRgb actual, QColor expected)
{
    return std::abs(qRed(actual) - expected.red()) <= 3 &&
           std::abs(qGreen(actual) - expected.green()) <= 3 &&
           std::abs(qBlue(actual) - expected.blue()) <= 3;
}

class JpegLoading : public testing::Test {
protected:
    QString Given(std::string_view bytes)
    {
        const QString path = dir_.filePath("picture.jpg");
        TestFiles::Write(path, bytes);
        return path;
    }

    TestFiles::TContentFolder dir_;
};

TEST_F(JpegLoading, DecodesAtFullSize)
{
    const QColor rose(200, 60, 110);
    QImage bitmap;
    LoadJpegBitmap(Given(EncodeJpeg(Filled(37, 21, rose))), bitmap);
    ASSERT_EQ(bitmap.size(), QSize(37, 21));
    EXPECT_TRUE(Near(bitmap.pixel(0, 0), rose));
    EXPECT_TRUE(Near(bitmap.pixel(36, 20), rose));
}

TEST_F(JpegLoading, DecodesGreyscalePicturesAsGrey)
{
    QImage bitmap;
    LoadJpegBitmap(
        Given(EncodeJpeg(Filled(8, 8, QColor(128, 128, 128), QImage::Format_Grayscale8))), bitmap);
    ASSERT_EQ(bitmap.size(), QSize(8, 8));
    EXPECT_TRUE(Near(bitmap.pixel(4, 4), QColor(128, 128, 128)));
}

TEST_F(JpegLoading, ReplacesWhateverTheBitmapHeld)
{
    QImage bitmap = Filled(100, 100, Qt::black);
    LoadJpegBitmap(Given(EncodeJpeg(Filled(3, 4, Qt::white))), bitmap);
    EXPECT_EQ(bitmap.size(), QSize(3, 4));
}

// A picture of noise: its scan data is most of the file, so a cut falls inside the scan.
QImage Noise(int width, int height)
{
    std::mt19937 random(1251);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, QRgb(random()) | 0xFF000000u);
    }
    return image;
}

struct BadFile {
    const char* name;
    std::function<std::string(const std::string& validJpeg)> bytes;
    const char* reason; // what the content checker is told
};

class UnusableFiles : public JpegLoading, public testing::WithParamInterface<BadFile> {};

TEST_P(UnusableFiles, LeaveTheBitmapUnchangedAndTellWhy)
{
    // A work's middle picture.
    static const std::string valid = EncodeJpeg(Noise(260, 424));
    const QImage before = Filled(5, 5, Qt::green);
    QImage bitmap = before;
    ContentProblems::StartRecording();
    LoadJpegBitmap(Given(GetParam().bytes(valid)), bitmap);
    const std::vector<TContentProblem> told = ContentProblems::StopRecording();
    EXPECT_EQ(bitmap, before);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].What.contains(QString::fromLatin1(GetParam().reason)))
        << told[0].What.toStdString();
}

constexpr const char* kCutShort = "Premature end of JPEG file";
constexpr const char* kTooLarge = "larger than 16384 pixels a side";

INSTANTIATE_TEST_SUITE_P(
    Table, UnusableFiles,
    testing::Values(
        BadFile{"Empty", [](const std::string&) { return std::string(); }, "The file is empty."},
        BadFile{"NotAJpeg", [](const std::string&) { return std::string("<html>page</html>"); },
                "Not a JPEG file"},
        BadFile{"HeaderOnly", [](const std::string& jpeg) { return jpeg.substr(0, 20); },
                kCutShort},
        BadFile{"CutToAThird",
                [](const std::string& jpeg) { return jpeg.substr(0, jpeg.size() / 3); }, kCutShort},
        BadFile{"CutToTwoThirds",
                [](const std::string& jpeg) { return jpeg.substr(0, jpeg.size() * 2 / 3); },
                kCutShort},
        BadFile{"CutTo600Bytes", [](const std::string& jpeg) { return jpeg.substr(0, 600); },
                kCutShort},
        BadFile{"WithoutItsEndMarker",
                [](const std::string& jpeg) { return jpeg.substr(0, jpeg.size() - 2); }, kCutShort},
        BadFile{"RandomBytes",
                [](const std::string&) {
                    std::mt19937 random(1251);
                    std::string bytes(4096, '\0');
                    for (char& byte : bytes)
                        byte = char(random());
                    return "\xFF\xD8" + bytes;
                },
                "Not a JPEG picture the viewer can show"},
        BadFile{"SideOverLimit",
                [](const std::string& jpeg) { return WithDeclaredSize(jpeg, 20000, 16); },
                kTooLarge},
        BadFile{"DecodedSizeOverLimit",
                [](const std::string& jpeg) { return WithDeclaredSize(jpeg, 16000, 16000); },
                kTooLarge},
        BadFile{"ZeroHeight", [](const std::string& jpeg) { return WithDeclaredSize(jpeg, 64, 0); },
                "Not a JPEG picture the viewer can show"}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(JpegLoading, MissingFileLeavesTheBitmapEmpty)
{
    QImage bitmap;
    LoadJpegBitmap(dir_.filePath("absent.jpg"), bitmap);
    EXPECT_TRUE(bitmap.isNull());
}

class PictureTraps : public JpegLoading,
                     public testing::WithParamInterface<TestFiles::TTrapCase> {};

// Whatever stands in a picture's place is never read whole, nor waited for.
TEST_P(PictureTraps, LeaveTheBitmapUnchanged)
{
    const QString path = dir_.filePath("picture.jpg");
    // A link out leads to a picture the viewer would show.
    TestFiles::PlaceTrap(path, GetParam().trap, JpegFiles::OrdinaryProgressive(8, 8));
    const QImage before = Filled(5, 5, Qt::green);
    QImage bitmap = before;
    LoadJpegBitmap(path, bitmap);
    EXPECT_EQ(bitmap, before);
}

INSTANTIATE_TEST_SUITE_P(Table, PictureTraps, testing::ValuesIn(TestFiles::kTraps),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(JpegLoading, AProgressivePictureOfOrdinaryScansLoads)
{
    QImage bitmap;
    LoadJpegBitmap(Given(JpegFiles::OrdinaryProgressive(40, 24, JpegFiles::TColours::Colour)),
                   bitmap);
    EXPECT_EQ(bitmap.size(), QSize(40, 24));
}

TEST_F(JpegLoading, AProgressivePictureOfHundredsOfScansCountsAsBroken)
{
    // 1 + 63 bands of 11 steps: 694 scans.
    QImage bitmap;
    LoadJpegBitmap(Given(JpegFiles::Progressive(40, 24, 11)), bitmap);
    EXPECT_TRUE(bitmap.isNull());
}

struct DoubleSizeCase {
    const char* name;
    qreal screenRatio;
    std::optional<QSize> doubleSize; // none: no "@2x" file; an empty size: one that is broken
    bool drawnFromDouble;
};

class DoubleSizePictures : public JpegLoading,
                           public testing::WithParamInterface<DoubleSizeCase> {};

// Whichever picture is drawn, it covers the same window pixels: a wrong "@2x" never moves the
// layout, it only goes unused.
TEST_P(DoubleSizePictures, ChoosesThePictureDrawn)
{
    const QColor normal(200, 60, 110), sharper(30, 120, 200);
    const QString path = Given(EncodeJpeg(Filled(20, 10, normal)));
    if (const std::optional<QSize> size = GetParam().doubleSize) {
        TestFiles::Write(dir_.filePath("picture@2x.jpg"),
                         size->isEmpty()
                             ? std::string("\xFF\xD8 no picture")
                             : EncodeJpeg(Filled(size->width(), size->height(), sharper)));
    }
    QImage bitmap;
    LoadJpegBitmap(path, bitmap, PictureBudget(), GetParam().screenRatio);
    const QImage decodedLater =
        DecodeCheckedJpeg(CheckJpeg(path, PictureBudget(), GetParam().screenRatio));

    for (const QImage& drawn : {bitmap, decodedLater}) {
        EXPECT_EQ(drawn.deviceIndependentSize(), QSizeF(20, 10));
        EXPECT_TRUE(Near(drawn.pixel(0, 0), GetParam().drawnFromDouble ? sharper : normal));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, DoubleSizePictures,
    testing::Values(DoubleSizeCase{"TwiceTheSizeOnAHighDensityScreen", 2, QSize(40, 20), true},
                    DoubleSizeCase{"MissingOnAHighDensityScreen", 2, std::nullopt, false},
                    DoubleSizeCase{"WrongSizeOnAHighDensityScreen", 2, QSize(41, 20), false},
                    DoubleSizeCase{"SameSizeOnAHighDensityScreen", 2, QSize(20, 10), false},
                    DoubleSizeCase{"BrokenOnAHighDensityScreen", 2, QSize(), false},
                    DoubleSizeCase{"TwiceTheSizeOnAnOrdinaryScreen", 1, QSize(40, 20), false}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST(PictureBudgetTest, APicturePastTheBudgetIsNotDecodedUntilAnotherGoes)
{
    TestFiles::TContentFolder dir;
    const QString path = dir.filePath("picture.jpg");
    TestFiles::Write(path, EncodeJpeg(Filled(100, 100, Qt::red)));
    const qint64 pictureBytes = 100 * 100 * 4;
    TPictureBudget budget(pictureBytes * 2);

    QImage first, second, third;
    LoadJpegBitmap(path, first, budget);
    LoadJpegBitmap(path, second, budget);
    LoadJpegBitmap(path, third, budget);
    EXPECT_FALSE(first.isNull());
    EXPECT_FALSE(second.isNull());
    EXPECT_TRUE(third.isNull());
    EXPECT_EQ(budget.InUse(), pictureBytes * 2);

    const QImage copy = second; // copies share the pixels and cost nothing more
    second = QImage();
    LoadJpegBitmap(path, third, budget);
    EXPECT_TRUE(third.isNull());
    first = QImage();
    LoadJpegBitmap(path, third, budget);
    EXPECT_FALSE(third.isNull());
    EXPECT_EQ(third.pixel(50, 50) & 0xFFFFFF, copy.pixel(50, 50) & 0xFFFFFF);
}

TEST(PictureBudgetTest, ACheckedPictureHoldsItsShareWhetherDecodedOrNot)
{
    TestFiles::TContentFolder dir;
    const QString path = dir.filePath("picture.jpg");
    TestFiles::Write(path, EncodeJpeg(Filled(100, 100, Qt::red)));
    const qint64 pictureBytes = 100 * 100 * 4;
    TPictureBudget budget(pictureBytes);

    std::optional<TJpegPicture> checked = CheckJpeg(path, budget);
    EXPECT_EQ(budget.InUse(), pictureBytes);
    EXPECT_TRUE(CheckJpeg(path, budget).Size.isEmpty()) << "past the budget, as if decoded";
    const QImage pixels = DecodeCheckedJpeg(*checked);
    EXPECT_EQ(pixels.size(), QSize(100, 100));
    EXPECT_EQ(budget.InUse(), pictureBytes) << "decoding adds nothing to the share";
    checked.reset();
    EXPECT_EQ(budget.InUse(), 0);
}

} // namespace
