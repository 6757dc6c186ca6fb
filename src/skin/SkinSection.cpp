#include "SkinSection.h"

#include "ContentProblems.h"
#include "ProfileFile.h"
#include "SkinNames.h"
#include "Win1251.h"

#include <algorithm>
#include <limits>

namespace {

// Names no file, so the picture stays empty.
constexpr std::string_view kNoName = "error";

using SkinNames::kStateKeys;
static_assert(int(ButtonState::Active) + 1 == kButtonStateCount &&
              kStateKeys.size() == kButtonStateCount);

// Far beyond any window, yet small enough that the geometry's sums of a few coordinates
// never overflow, whatever a skin file says.
constexpr int kCoordinateLimit = 1 << 24;

// Read in place of a coordinate that is missing or not a number.
constexpr int kNoCoordinate = std::numeric_limits<int>::min();
// What a missing coordinate reads as.
constexpr int kMissingCoordinate = -1;

TSkinPicture LoadPicture(const SkinSection::TPictureSource& picture, std::string_view relativePath)
{
    if (relativePath == kNoName)
        return {};
    return picture(Win1251::ToUnicode(relativePath));
}

QString Where(std::string_view section)
{
    return QStringLiteral("[%1]").arg(Win1251::ToUnicode(section));
}

// The content checker hears when the file or the section is not there (a section named by no
// key of the skin is told where the key is missing).
void ReportAbsentSection(const ProfileFile& file, std::string_view section)
{
    file.ReportIfMissing();
    if (file.Exists() && section != kNoName && !file.HasSection(section))
        ContentProblems::Report(file.Path(), Where(section), QStringLiteral("No such section."));
}

TBounds ReadBounds(const ProfileFile& file, std::string_view section)
{
    const bool told = file.HasSection(section);
    const auto read = [&](std::string_view key, bool isSize) {
        const int value = file.ReadInteger(section, key, kNoCoordinate, IntegerForm::DecimalOrHex);
        if (value == kNoCoordinate) {
            if (told)
                ContentProblems::Report(file.Path(), file.Place(section, key),
                                        QStringLiteral("Missing or not a number."));
            return kMissingCoordinate;
        }
        if (isSize && value < 0)
            ContentProblems::Report(file.Path(), file.Place(section, key),
                                    QStringLiteral("A negative size, %1.").arg(value));
        return std::clamp(value, -kCoordinateLimit, kCoordinateLimit);
    };
    return {read("bnd_x", false), read("bnd_y", false), read("bnd_w", true), read("bnd_h", true)};
}

// The buttons.ini section a key names; the content checker hears when a section has no such key.
std::string ReadButtonName(const ProfileFile& file, std::string_view section, std::string_view key)
{
    std::string name = file.ReadString(section, key, kNoName);
    if (name == kNoName && file.HasSection(section))
        ContentProblems::Report(file.Path(), file.Place(section, key), QStringLiteral("Missing."));
    return name;
}

} // namespace

namespace SkinSection {

TButtonSection ReadButton(const ProfileFile& file, std::string_view section,
                          const TPictureSource& picture)
{
    ReportAbsentSection(file, section);
    TButtonSection result;
    for (int state = 0; state < kButtonStateCount; ++state) {
        const std::string path = file.ReadString(section, kStateKeys[state], kNoName);
        result.Pictures[state] = LoadPicture(picture, path);
    }
    result.Title = Win1251::ToUnicode(file.ReadString(section, "title", ""));
    result.Bounds = ReadBounds(file, section);
    return result;
}

TScrollSection ReadScroll(const ProfileFile& file, std::string_view section,
                          const TPictureSource& picture)
{
    ReportAbsentSection(file, section);
    TScrollSection result;
    result.ButtonUp = ReadButtonName(file, section, "button_up");
    result.ButtonDown = ReadButtonName(file, section, "button_down");
    result.Thumb = ReadButtonName(file, section, "button_polzunok");
    result.Track = LoadPicture(picture, file.ReadString(section, "bg", kNoName));
    result.Bounds = ReadBounds(file, section);
    return result;
}

} // namespace SkinSection
