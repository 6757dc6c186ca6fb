#include "BrowserWindows.h"

#include "SealedWindow.h"
#include "SkinNames.h"
#include "uChHtmlView.h"
#include "uChHtmlView12.h"
#include "uChHtmlView21.h"
#include "uChHtmlViewInfo.h"
#include "uChHtmlViewInfo1.h"

#include <array>

TfChHtmlView* fChHtmlView = nullptr;
TfChHtmlViewInfo* fChHtmlViewInfo = nullptr;
TfChHtmlViewInfo1* fChHtmlViewInfo1 = nullptr;
TfChHtmlView21* fChHtmlView21 = nullptr;
TfChHtmlView12* fChHtmlView12 = nullptr;

namespace {

template <typename TWindow, TWindow** Reference>
constexpr TBrowserWindowEntry Entry(const char16_t* title, std::u16string_view framePicture,
                                    std::optional<TContextTarget> commandsFor,
                                    bool hiddenWithOthers)
{
    return {title,
            framePicture,
            commandsFor,
            hiddenWithOthers,
            [](const TBrowserHost& host) -> TBrowserWindow* {
                return *Reference = new TSealed<TWindow>(host);
            },
            []() -> TBrowserWindow* { return *Reference; },
            [] { *Reference = nullptr; }};
}

const std::array kBrowserWindows = {
    Entry<TfChHtmlView, &fChHtmlView>(u"Catalogue", SkinNames::kCatalogueFrame,
                                      TContextTarget::Catalogue, true),
    Entry<TfChHtmlViewInfo, &fChHtmlViewInfo>(u"Search", SkinNames::kSearchFrame,
                                              TContextTarget::Search, true),
    Entry<TfChHtmlViewInfo1, &fChHtmlViewInfo1>(u"About", SkinNames::kAboutFrame,
                                                TContextTarget::Information, true),
    Entry<TfChHtmlView21, &fChHtmlView21>(u"Design", SkinNames::kWorkPageFrame,
                                          TContextTarget::WorkPage, false),
    Entry<TfChHtmlView12, &fChHtmlView12>(u"Large picture", SkinNames::kLargePictureFrame,
                                          std::nullopt, false),
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
