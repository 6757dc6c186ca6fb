#pragma once

#include "BrowserHost.h"
#include "Catalogue.h"
#include "SkinPicture.h"
#include "SplashPace.h"
#include "TickSource.h"

#include <memory>
#include <vector>

class TEngineWarmUp;
class TfChContext;
class TfChMessage;
class TfMain;

// Where this user's viewer reads and writes: the content folder, or the user's own folder when
// the content folder cannot be written. Chosen before the first window; what the user should
// hear about their folder, or nothing. What a killed viewer left there goes during the splash.
QString ChooseContentFolder();

// Every window of the program, created in the start-up order and wired, each set in its
// program-wide reference; they go, and their references are cleared, in the reverse order.
// The main window owns the browser windows as their parent. The skin of the content folder is
// read once, here, and handed to every window, as is the catalogue.
class TProgram {
public:
    // The main window, the question and the pop-up.
    explicit TProgram(TTickSource& ticks);
    ~TProgram();

    // Holds the user on the splash until its own time has run out.
    void ShowSplash(TSplashPace pace);
    // The browser windows in their registry's order.
    void CreateBrowserWindows();
    // With an error box over it when there is something to tell.
    void ShowMainWindow(const QString& problem);
    // What the browser window at an index of the registry is made with.
    TBrowserHost HostOf(size_t registryIndex);

private:
    void UseTheSplashWait();
    // Takes in the catalogue once it is read, and tells the user what of it could not be.
    void FinishLoading();
    // What a browser window's host asks of the pop-up.
    TContextPopUpCalls PopUpCalls();

    TTickSource& ticks_;
    // Before the windows, so they outlive them.
    TMessageHook hook_;
    const TSkin skin_;
    TCatalogue catalogue_;
    // The frame of each browser window, in the order of their registry.
    std::vector<TSkinPicture> browserFrames_;
    std::unique_ptr<TfMain> main_;
    std::unique_ptr<TfChMessage> message_;
    std::unique_ptr<TfChContext> context_;
    // From the splash's showing until the main window is shown.
    std::unique_ptr<TEngineWarmUp> warmUp_;
};
