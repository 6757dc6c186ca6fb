#pragma once

#include "MessageHook.h"
#include "PageCommandTarget.h"
#include "Skin.h"
#include "SkinPicture.h"
#include "SkinnedWindow.h"
#include "TVelmoraData.h"
#include "TextSearch.h"
#include "TickSource.h"

#include <QPoint>

#include <functional>

// The context pop-up as a browser window reaches it: made before any browser window, so there
// is always one to call.
struct TContextPopUpCalls {
    // Over a target's page, at the pointer.
    std::function<void(QPoint screenPoint, TContextTarget target)> ShowAtPointer;
    // For a press somewhere in the program, which hides it unless the press is its own.
    std::function<void(const QObject* receiver)> HideForPress;
};

// What a browser window gets from the program that creates it.
struct TBrowserHost {
    TSkinnedWindow& MainWindow; // its parent, inside which it stays; its hint goes over this one
    const TSkin& Skin;          // the content folder's, which outlives the window
    const TSkinPicture& Frame;  // the window's frame picture, held by the main window
    TTickSource& Ticks;
    TMessageHook& Hook;              // the program's, which hands the window every event first
    const TVelmoraDataArray& Works;  // the catalogue
    TVelmoraDataArray& Selection;    // the works the last result lists; work links index it
    const TSearchTexts& SearchTexts; // the works' texts as the search reads them
    TContextPopUpCalls PopUp;
};
