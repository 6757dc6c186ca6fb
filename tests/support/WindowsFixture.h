#pragma once

#include "ManualTicks.h"
#include "Program.h"
#include "SealedWindow.h"
#include "SignPoints.h"
#include "WindowTestContent.h"
#include "uChContext.h"
#include "uChHtmlView.h"
#include "uChHtmlView12.h"
#include "uChHtmlView21.h"
#include "uChHtmlViewInfo.h"
#include "uChHtmlViewInfo1.h"
#include "uChMessage.h"
#include "uEmbeddedWB.h"
#include "uMain.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

// The program's windows over a private copy of the sample content, as the start-up makes them:
// the main window and the question, and with them, when asked, the browser windows and the
// context pop-up. Their clocks tick only when the test advances them.
class WindowsFixture : public testing::Test {
protected:
    void StartWindows(bool browserWindows);

    // Writes a page into the content's html folder.
    void GivenPage(const QString& fileName, const QByteArray& html) const;
    // Shows the information window on a page and waits until the window has taken it in.
    void Open(TfChHtmlViewInfo1& window, const QString& fileName);
    // Waits until a window's browser (its first, or the one given) shows a page of that file
    // name and has settled.
    void WaitForPage(TBrowserWindow& window, const QString& fileName);
    void WaitForPage(TEmbeddedWB& browser, const QString& fileName);
    // A left click in the middle of a skin button of a window.
    void Click(QWidget& window, std::string_view section);
    // The page's scroll state, as the browser answers it.
    TPageScroll ScrollOf(TEmbeddedWB& browser);
    // Waits until the browser has answered everything asked of it so far.
    void Settle(TEmbeddedWB& browser);

    void SendWheel(int angle);
    // A key as the keyboard gives it: to the main window's screen window, on to the focus.
    void SendKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    // A skin button's title as buttons.ini gives it.
    QString TitleOf(std::string_view section) const;
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
    TfChHtmlView* catalogue_ = nullptr;
    TfChHtmlViewInfo* search_ = nullptr;
    TfChHtmlView21* workPage_ = nullptr;
    TfChHtmlView12* largePicture_ = nullptr;

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
