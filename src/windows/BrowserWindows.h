#pragma once

#include "BrowserHost.h"
#include "PageCommandTarget.h"

#include <optional>
#include <span>
#include <string_view>

class TBrowserWindow;
class TfChHtmlView;
class TfChHtmlView12;
class TfChHtmlView21;
class TfChHtmlViewInfo;
class TfChHtmlViewInfo1;

// The program-wide references of the browser windows, null until created.
extern TfChHtmlView* fChHtmlView;
extern TfChHtmlViewInfo* fChHtmlViewInfo;
extern TfChHtmlViewInfo1* fChHtmlViewInfo1;
extern TfChHtmlView21* fChHtmlView21;
extern TfChHtmlView12* fChHtmlView12;

// One browser window of the program: the one place that names it.
struct TBrowserWindowEntry {
    const char16_t* Title;            // what a screen reader calls it
    std::u16string_view FramePicture; // its frame background in the content folder
    // The pop-up's commands for this target act on this window's page.
    std::optional<TContextTarget> CommandsFor;
    bool HiddenWithOthers; // the main window's HideBrowserWindows hides it
    // Creates the window as a child of the host's main window, which then owns it, and sets
    // its program-wide reference.
    TBrowserWindow* (*Create)(const TBrowserHost& host);
    TBrowserWindow* (*Window)(); // its reference
    void (*Forget)();            // clears its reference, as the window goes
};

// The browser windows in the order of their creation.
std::span<const TBrowserWindowEntry> BrowserWindowRegistry();

// The window whose page the pop-up's commands for target act on, if it exists.
TPageCommandTarget* PageCommandsFor(TContextTarget target);
