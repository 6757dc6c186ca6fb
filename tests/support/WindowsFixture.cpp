#include "WindowsFixture.h"

#include "BrowserWindows.h"
#include "EventWait.h"
#include "PopUps.h"
#include "ProfileFile.h"
#include "TestFiles.h"
#include "Win1251.h"
#include "Windows.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>
#include <QWheelEvent>
#include <QWindow>

void WindowsFixture::StartWindows(bool browserWindows)
{
    program_.emplace(ticks_);
    main_ = fMain;
    message_ = fChMessage;
    if (browserWindows) {
        program_->CreateBrowserWindows();
        info_ = fChHtmlViewInfo1;
        catalogue_ = fChHtmlView;
        search_ = fChHtmlViewInfo;
        workPage_ = fChHtmlView21;
        largePicture_ = fChHtmlView12;
        context_ = fChContext;
    }
    program_->ShowMainWindow({});
    EXPECT_TRUE(QTest::qWaitForWindowExposed(main_));
}

void WindowsFixture::GivenPage(const QString& fileName, const QByteArray& html) const
{
    TestFiles::Write(content_.Path("html/" + fileName),
                     std::string_view(html.constData(), size_t(html.size())));
}

void WindowsFixture::Open(TfChHtmlViewInfo1& window, const QString& fileName)
{
    QSignalSpy loaded(&window.Browser().View(), &QWebEngineView::loadFinished);
    window.show();
    window.OpenPage(QStringLiteral("\\html\\") + fileName);
    ASSERT_TRUE(WaitFor(
        [&] {
            return window.Browser().Url().fileName() == fileName && !loaded.isEmpty() &&
                   loaded.last().value(0).toBool();
        },
        15000))
        << "the page did not load: " << fileName.toStdString();
    Settle(window.Browser());
}

void WindowsFixture::WaitForPage(TBrowserWindow& window, const QString& fileName)
{
    WaitForPage(window.Browser(), fileName);
}

void WindowsFixture::WaitForPage(TEmbeddedWB& browser, const QString& fileName)
{
    ASSERT_TRUE(WaitFor(
        [&] {
            return browser.Url().fileName() == fileName && browser.IsVisible() &&
                   browser.HasDocument();
        },
        15000))
        << "the page did not show: " << fileName.toStdString() << ", the browser is on "
        << browser.Url().toString().toStdString();
    Settle(browser);
}

void WindowsFixture::Click(QWidget& window, std::string_view section)
{
    QTest::mouseClick(&window, Qt::LeftButton, {}, content_.ButtonBounds(section).center());
}

TPageScroll WindowsFixture::ScrollOf(TEmbeddedWB& browser)
{
    std::optional<TPageScroll> answer;
    browser.GetScroll([&](TPageScroll scroll) { answer = scroll; });
    EXPECT_TRUE(WaitFor([&] { return answer.has_value(); }, 5000));
    return answer.value_or(TPageScroll{});
}

void WindowsFixture::Settle(TEmbeddedWB& browser)
{
    // Script answers come back in the order they were asked.
    ScrollOf(browser);
}

void WindowsFixture::SendWheel(int angle)
{
    QWindow* window = main_->windowHandle();
    const QPointF inside(info_->x() + 200, info_->y() + 200);
    QWheelEvent wheel(inside, window->mapToGlobal(inside), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window, &wheel);
}

void WindowsFixture::SendKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(main_->windowHandle(), key, modifiers);
}

QString WindowsFixture::TitleOf(std::string_view section) const
{
    return Win1251::ToUnicode(
        ProfileFile(content_.Path("buttons.ini")).ReadString(section, "title", ""));
}

QRect WindowsFixture::BarBounds() const
{
    const ProfileFile scrolls(content_.Path("scrolls.ini"));
    const auto read = [&](const char* key) {
        return scrolls.ReadInteger("wb_vscroll", key, -1, IntegerForm::DecimalOrHex);
    };
    return {read("bnd_x"), read("bnd_y"), read("bnd_w"), read("bnd_h")};
}

QPoint WindowsFixture::UpArrow() const
{
    return BarBounds().topLeft() + QPoint(6, 6);
}

QPoint WindowsFixture::DownArrow() const
{
    const QRect bar = BarBounds();
    return {bar.x() + 6, bar.y() + bar.height() - bar.width() + 6};
}

QByteArray LongPage(bool standardsMode, int height)
{
    return QByteArray(standardsMode ? "<!DOCTYPE html>" : "") +
           "<html><head><meta charset=\"windows-1251\"></head><body style=\"margin:0\">"
           "<div style=\"height:" +
           QByteArray::number(height) +
           "px;background:linear-gradient(#fff,#000)\">long page</div></body></html>";
}

QByteArray ShortPage()
{
    return "<!DOCTYPE html><html><body><p>A short page.</p></body></html>";
}
