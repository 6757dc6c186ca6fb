#pragma once

#include "ManualTicks.h"
#include "Program.h"
#include "SealedWindow.h"
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

// A point inside each catalogue sign's hit area and one in its bounding box outside it, in the
// sign strip's order (a sign's index is the filter group it opens), with its skin section.
struct TSignPoint {
    std::string_view Section;
    QPoint Inside;
    QPoint OutsideInBoundingBox;
};
inline constexpr TSignPoint kSignPoints[] = {
    {"sign_1_4", {600, 150}, {470, 200}}, {"sign_1_6", {790, 450}, {690, 550}},
    {"sign_1_3", {400, 200}, {500, 300}}, {"sign_1_2", {220, 430}, {115, 520}},
    {"sign_1_1", {260, 600}, {160, 500}}, {"sign_1_5", {770, 200}, {870, 300}},
    {"sign_1_7", {720, 620}, {830, 500}},
};

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
    // Waits until a window's browser shows a page of that file name and has settled.
    void WaitForPage(TBrowserWindow& window, const QString& fileName);
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
