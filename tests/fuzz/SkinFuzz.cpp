// The skin readers on any skin file: a button, arrow or bar section the windows read, and the
// first section the file names, read as a button and as a bar.
#include "Fuzzing.h"
#include "SkinSection.h"

#include <array>
#include <string>

namespace {

// Sections of each kind that the program reads.
constexpr std::array kButtonSections = {"zoom", "quest", "close_2_1", "search_btn", "scroll_up"};
constexpr std::array kScrollSections = {"wb_vscroll", "wb_vscroll_sh"};

// The first section named in the file, as its readers find it.
VELMORA_NOT_COVERED std::string FirstSection(std::string_view bytes)
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
    const QString file = QStringLiteral("skin.ini");
    Fuzzing::WriteFile(file, bytes);
    const QString& folder = Fuzzing::ContentFolder();
    // Each read parses the file again: one section of each kind, which the input's length
    // chooses, and the first section the file names.
    const std::string_view button = kButtonSections[size % kButtonSections.size()];
    const std::string_view scroll = kScrollSections[size % kScrollSections.size()];
    const std::string first = FirstSection(bytes);
    for (const std::string_view section : {button, std::string_view(first)})
        (void)SkinSection::ReadButton(folder, file, section);
    for (const std::string_view section : {scroll, std::string_view(first)})
        (void)SkinSection::ReadScroll(folder, file, section);
    return 0;
}
