#include "SkinSection.h"

#include "ContentPath.h"
#include "ProfileFile.h"
#include "Win1251.h"
#include "uFunctions.h"

#include <algorithm>

namespace {

// Names no file, so the picture stays empty.
constexpr std::string_view kNoName = "error";

constexpr std::array<std::string_view, kButtonStateCount> kStateKeys = {
    "state_disable", "state_up", "state_down", "state_over", "state_active"};
static_assert(int(ButtonState::Active) + 1 == kButtonStateCount);

// Far beyond any window, yet small enough that the geometry's sums of a few coordinates
// never overflow, whatever a skin file says.
constexpr int kCoordinateLimit = 1 << 24;

QImage LoadPicture(const QString& contentDir, std::string_view relativePath)
{
    QImage picture;
    LoadJpegBitmap(ContentPath::Join(contentDir, Win1251::ToUnicode(relativePath)), picture);
    return picture;
}

TBounds ReadBounds(const ProfileFile& file, std::string_view section)
{
    const auto read = [&](std::string_view key) {
        const int value = file.ReadInteger(section, key, -1, IntegerForm::DecimalOrHex);
        return std::clamp(value, -kCoordinateLimit, kCoordinateLimit);
    };
    return {read("bnd_x"), read("bnd_y"), read("bnd_w"), read("bnd_h")};
}

} // namespace

namespace SkinSection {

TButtonSection ReadButton(const QString& contentDir, const QString& fileName,
                          std::string_view section)
{
    const ProfileFile file(ContentPath::Join(contentDir, fileName));
    TButtonSection result;
    for (int state = 0; state < kButtonStateCount; ++state) {
        const std::string path = file.ReadString(section, kStateKeys[state], kNoName);
        result.Pictures[state] = LoadPicture(contentDir, path);
    }
    result.Title = Win1251::ToUnicode(file.ReadString(section, "title", ""));
    result.Bounds = ReadBounds(file, section);
    return result;
}

TScrollSection ReadScroll(const QString& contentDir, const QString& fileName,
                          std::string_view section)
{
    const ProfileFile file(ContentPath::Join(contentDir, fileName));
    TScrollSection result;
    result.ButtonUp = file.ReadString(section, "button_up", kNoName);
    result.ButtonDown = file.ReadString(section, "button_down", kNoName);
    result.Thumb = file.ReadString(section, "button_polzunok", kNoName);
    result.Track = LoadPicture(contentDir, file.ReadString(section, "bg", kNoName));
    result.Bounds = ReadBounds(file, section);
    return result;
}

} // namespace SkinSection
