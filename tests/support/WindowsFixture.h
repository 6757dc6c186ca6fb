#pragma once

#include "ManualTicks.h"
#include "Program.h"
#include "WindowTestContent.h"
#include "uChContext.h"
#include "uChHtmlViewInfo1.h"
#include "uChMessage.h"
#include "uEmbeddedWB.h"
#include "uMain.h"

#include <gtest/gtest.h>

#include <optional>

// The program's windows over a private copy of the sample content, as the start-up makes them:
// the main window and the question, and with them, when asked, the browser windows and the
// context pop-up. Their clocks tick only when the test advances them.
class WindowsFixture : public testing::Test {
protected:
    void StartWindows(bool browserWindows);

    // What a browser window of the registry is made with.
    TBrowserHost HostOf(size_t registryIndex);

    // Writes a page into the content's html folder.
    void GivenPage(const QString& fileName, const QByteArray& html) const;
    // Shows the information window on a page and waits until the window has taken it in.
    void Open(TfChHtmlViewInfo1& window, const QString& fileName);
    // The page's scroll state, as the browser answers it.
    TPageScroll ScrollOf(TEmbeddedWB& browser);
    // Waits until the browser has answered everything asked of it so far.
    void Settle(TEmbeddedWB& browser);

    void SendWheel(int angle);
    void SendKey(Qt::Key key);
    // The middle of a part of the window's scroll bar, in its client pixels.
    QPoint UpArrow() const;
    QPoint DownArrow() const;

    TWindowTestContent content_;
    TManualTicks ticks_;
    std::optional<TProgram> program_;
    TfMain* main_ = nullptr;
    TfChMessage* message_ = nullptr;
    TfChHtmlViewInfo1* info_ = nullptr;
    TfChContext* context_ = nullptr;

private:
    QRect BarBounds() const;
};

// The windows with the browser windows, and pages of the test's own in the content.
class BrowserWindowFixture : public WindowsFixture {
protected:
    BrowserWindowFixture() { StartWindows(true); }
};

// A page that scrolls on its root element (standards mode) or on its body (quirks mode).
QByteArray LongPage(bool standardsMode, int height = 3000);
QByteArray ShortPage();
