#include "BrowserWindows.h"

#include "uChHtmlViewInfo1.h"

#include <array>

TfChHtmlViewInfo1* fChHtmlViewInfo1 = nullptr;

namespace {

template <typename TWindow, TWindow** Reference>
constexpr TBrowserWindowEntry Entry(const char16_t* framePicture,
                                    std::optional<TContextTarget> commandsFor,
                                    bool hiddenWithOthers)
{
    return {
        framePicture,
        commandsFor,
        hiddenWithOthers,
        [](const TBrowserHost& host) -> TBrowserWindow* { return *Reference = new TWindow(host); },
        []() -> TBrowserWindow* { return *Reference; },
        [] { *Reference = nullptr; }};
}

const std::array kBrowserWindows = {
    Entry<TfChHtmlViewInfo1, &fChHtmlViewInfo1>(u"\\design\\windows\\childs\\fon_about.jpg",
                                                TContextTarget::Information, true),
};

} // namespace

std::span<const TBrowserWindowEntry> BrowserWindowRegistry()
{
    return kBrowserWindows;
}

TPageCommandTarget* PageCommandsFor(TContextTarget target)
{
    for (const TBrowserWindowEntry& entry : kBrowserWindows) {
        TBrowserWindow* window = entry.Window();
        if (window && entry.CommandsFor == target && window->OffersPageCommands())
            return window;
    }
    return nullptr;
}
