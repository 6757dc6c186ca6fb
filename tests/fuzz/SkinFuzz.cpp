// The skin readers on any buttons.ini and scrolls.ini: the button, arrow and bar sections the
// windows read, and the first section the file names.
#include "Fuzzing.h"
#include "SkinSection.h"

#include <array>
#include <string>

namespace {

// Sections of each kind that the program reads.
constexpr std::array kButtonSections = {"zoom", "quest", "close_2_1", "search_btn", "scroll_up"};
constexpr std::array kScrollSections = {"wb_vscroll", "wb_vscroll_sh"};

// The first section named in the file, as its readers find it.
std::string FirstSection(std::string_view bytes)
{
    const size_t open = bytes.find('[');
    if (open == std::string_view::npos)
        return {};
    const size_t close = bytes.find_first_of("]\n", open);
    return std::string(
        bytes.substr(open + 1, close == std::string_view::npos ? close : close - open - 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = Fuzzing::Bytes(data, size);
    Fuzzing::WriteFile(QStringLiteral("buttons.ini"), bytes);
    Fuzzing::WriteFile(QStringLiteral("scrolls.ini"), bytes);
    const QString& folder = Fuzzing::ContentFolder();
    const std::string first = FirstSection(bytes);
    for (const std::string_view section : kButtonSections)
        (void)SkinSection::ReadButton(folder, QStringLiteral("buttons.ini"), section);
    (void)SkinSection::ReadButton(folder, QStringLiteral("buttons.ini"), first);
    for (const std::string_view section : kScrollSections)
        (void)SkinSection::ReadScroll(folder, QStringLiteral("scrolls.ini"), section);
    (void)SkinSection::ReadScroll(folder, QStringLiteral("scrolls.ini"), first);
    return 0;
}
