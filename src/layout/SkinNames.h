#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

// The names the skin files give the controls, written once: the viewer reads the skin by them
// and the sample content writes it by them.
namespace SkinNames {

// A button section's keys for its five pictures, in the order of the button's states
// (disabled, up, down, over, active).
inline constexpr std::array<std::string_view, 5> kStateKeys = {
    "state_disable", "state_up", "state_down", "state_over", "state_active"};

// The catalogue window's tab of filter group g: "param_" g + 1, the first showing every work.
inline std::string TabSection(size_t group)
{
    return "param_" + std::to_string(group + 1);
}

// Switch k of filter group g (from 1): "filtr_" g "_" k + 1.
inline std::string SwitchSection(size_t group, size_t button)
{
    return "filtr_" + std::to_string(group) + "_" + std::to_string(button + 1);
}

// Each window's buttons by their "buttons.ini" sections, in the order the window numbers them.
inline constexpr std::array<std::string_view, 4> kMainFrameButtons = {"zoom", "minimize", "close",
                                                                      "quest"};
// Every browser window's first button; a window's own buttons follow it.
inline constexpr std::array<std::string_view, 1> kCloseButton = {"close_2_1"};
inline constexpr std::array<std::string_view, 2> kCatalogueButtons = {"button_show", "button_all"};
inline constexpr std::array<std::string_view, 1> kWorkPageButtons = {"L2param_1"};
inline constexpr std::array<std::string_view, 3> kLargePictureButtons = {"L1param_1", "L1param_2",
                                                                         "L1param_3"};
inline constexpr std::array<std::string_view, 3> kSearchButtons = {"search_btn", "s_image",
                                                                   "s_text"};
inline constexpr std::array<std::string_view, 3> kContextButtons = {"context_save", "context_print",
                                                                    "context_copy"};
inline constexpr std::array<std::string_view, 2> kQuestionButtons = {"no", "yes"};

// The scroll bars' "scrolls.ini" sections.
inline constexpr std::string_view kPageScroll = "wb_vscroll";
inline constexpr std::string_view kWorkPageScroll = "wb_vscroll_L21";
inline constexpr std::string_view kHistoryScroll = "wb_vscroll_sh";

// The pictures that are no button's, by their place in the content folder.
inline constexpr std::u16string_view kSplashBackground = u"\\design\\loader\\loading_bg.jpg";
inline constexpr std::u16string_view kSplashBar = u"\\design\\loader\\loading_pr.jpg";
inline constexpr std::u16string_view kMainBackground = u"\\design\\windows\\main\\fon.jpg";
inline constexpr std::u16string_view kCatalogueFrame = u"\\design\\windows\\childs\\fon_2.jpg";
inline constexpr std::u16string_view kSearchFrame = u"\\design\\windows\\search\\fon_search.jpg";
inline constexpr std::u16string_view kAboutFrame = u"\\design\\windows\\childs\\fon_about.jpg";
inline constexpr std::u16string_view kWorkPageFrame = u"\\design\\windows\\childs\\fon_2_1.jpg";
inline constexpr std::u16string_view kLargePictureFrame = u"\\design\\windows\\childs\\fon_1_2.jpg";
inline constexpr std::u16string_view kFilterPanel = u"\\design\\windows\\filters\\filter.jpg";
inline constexpr std::u16string_view kCardsHeading =
    u"\\design\\windows\\search\\images\\h_image.jpg";
inline constexpr std::u16string_view kTextHeading =
    u"\\design\\windows\\search\\images\\h_text.jpg";
inline constexpr std::u16string_view kContextBackground = u"\\design\\windows\\context\\fon.jpg";
inline constexpr std::u16string_view kCloseQuestion = u"\\design\\windows\\Exit_Link\\fon_exit.jpg";
inline constexpr std::u16string_view kLinkQuestion = u"\\design\\windows\\Exit_Link\\fon_link.jpg";

// All of the above, for the content check, which reads the whole skin without making a window;
// the catalogue's tabs and switches and the main window's signs are numbered, and read apart.
inline constexpr std::array<std::span<const std::string_view>, 8> kEveryButtonGroup = {
    kMainFrameButtons,    kCloseButton,   kCatalogueButtons, kWorkPageButtons,
    kLargePictureButtons, kSearchButtons, kContextButtons,   kQuestionButtons};
inline constexpr std::array kEveryScroll = {kPageScroll, kWorkPageScroll, kHistoryScroll};
inline constexpr std::array kEveryPicture = {
    kSplashBackground, kSplashBar,         kMainBackground,    kCatalogueFrame, kSearchFrame,
    kAboutFrame,       kWorkPageFrame,     kLargePictureFrame, kFilterPanel,    kCardsHeading,
    kTextHeading,      kContextBackground, kCloseQuestion,     kLinkQuestion};

} // namespace SkinNames
