#include "EventWait.h"
#include "WindowsFixture.h"

#include <QAccessible>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWheelEvent>
#include <QWindow>

#include <memory>
#include <optional>
#include <vector>

namespace {

// What can reach a window while Qt takes it apart: on every event the window itself gets on its
// way out (its browsers and edits leaving it, among others), a screen reader asks it for its
// controls, the wheel turns over the main window, and the pointer moves over it.
class TCallsWhileGoing : public QObject {
public:
    TCallsWhileGoing(QWidget& going, QWindow& mainWindow) : going_(&going), mainWindow_(mainWindow)
    {
        qApp->installEventFilter(this);
    }
    ~TCallsWhileGoing() override { qApp->removeEventFilter(this); }

    int Calls() const { return calls_; }

private:
    bool eventFilter(QObject* watched, QEvent*) override
    {
        if (watched != going_ || calling_)
            return false;
        calling_ = true;
        ++calls_;
        if (QAccessibleInterface* window = QAccessible::queryAccessibleInterface(going_)) {
            for (int i = 0; i < window->childCount(); ++i) {
                if (QAccessibleInterface* control = window->child(i))
                    (void)control->text(QAccessible::Name);
            }
        }
        const QPointF inside(200, 200);
        QWheelEvent wheel(inside, mainWindow_.mapToGlobal(inside), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&mainWindow_, &wheel);
        QMouseEvent move(QEvent::MouseMove, inside, going_->mapToGlobal(inside), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(going_, &move);
        calling_ = false;
        return false;
    }

    QWidget* going_;
    QWindow& mainWindow_;
    int calls_ = 0;
    bool calling_ = false;
};

struct WindowCase {
    const char* name;
    size_t registryIndex; // whose frame the window is made with
    std::unique_ptr<TBrowserWindow> (*make)(const TBrowserHost& host);
};

template <typename TWindow> std::unique_ptr<TBrowserWindow> Make(const TBrowserHost& host)
{
    return std::make_unique<TSealed<TWindow>>(host);
}

class EachBrowserWindow : public BrowserWindowFixture,
                          public testing::WithParamInterface<WindowCase> {};

// A window destroyed while its page loads, a wheel turn waits in the queue, its hint waits to
// show and a screen reader holds its controls: nothing reaches it once it goes, and everything
// that waited finds it gone.
TEST_P(EachBrowserWindow, NothingReachesAWindowOnItsWayOut)
{
    GivenPage("long.htm", LongPage(true, 20000));
    Open(*info_, "long.htm"); // a window that stays, whose page the wheel turns scroll
    std::unique_ptr<TBrowserWindow> window =
        GetParam().make(program_->HostOf(GetParam().registryIndex));
    window->ShowOnTop();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    // From here on no event is handled until the window has gone.
    window->Browser().Navigate(content_.Path("html/long.htm"));
    // From elsewhere onto the close button: a move to where the pointer is moves nothing.
    QTest::mouseMove(window.get(), QPoint(1, 1));
    QTest::mouseMove(window.get(), content_.ButtonBounds("close_2_1").center());
    ticks_.Advance(std::chrono::milliseconds(100)); // hints come back on
    EXPECT_TRUE(window->Hint().IsWaiting());
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(window.get());
    std::vector<QAccessible::Id> held{QAccessible::uniqueId(reader)};
    for (int i = 0; i < reader->childCount(); ++i)
        held.push_back(QAccessible::uniqueId(reader->child(i)));
    const QPointF inside(info_->x() + 200, info_->y() + 200);
    QCoreApplication::postEvent(main_->windowHandle(),
                                new QWheelEvent(inside, main_->windowHandle()->mapToGlobal(inside),
                                                QPoint(), QPoint(0, -120), Qt::NoButton,
                                                Qt::NoModifier, Qt::NoScrollPhase, false));
    bool queueHandled = false;
    QMetaObject::invokeMethod(
        qApp, [&] { queueHandled = true; }, Qt::QueuedConnection);
    {
        const TCallsWhileGoing calls(*window, *main_->windowHandle());
        window.reset();
        EXPECT_GT(calls.Calls(), 0) << "nothing reached the window while it went";
    }

    // Posted events are handled in order: the wheel turn has been once this has.
    ASSERT_TRUE(WaitFor([&] { return queueHandled; }));
    for (const QAccessible::Id id : held)
        EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr) << "a control outlived its window";
    EXPECT_TRUE(content_.Dialogs.Errors.isEmpty())
        << content_.Dialogs.Errors.join("\n").toStdString();
}

// Never a blank window: a page that cannot be read says which and why, in the catalogue's look.
TEST_P(EachBrowserWindow, APageThatCannotBeReadIsNamedWithTheReason)
{
    std::unique_ptr<TBrowserWindow> window =
        GetParam().make(program_->HostOf(GetParam().registryIndex));
    window->ShowOnTop();
    window->Browser().Navigate(content_.Path("html/gone.htm"));
    WaitForPage(*window, "gone.htm");
    std::optional<QString> shown;
    window->Browser().View().page()->runJavaScript(
        "[file.textContent, reason.textContent, getComputedStyle(document.body).backgroundColor]"
        ".join(' | ')",
        [&shown](const QVariant& value) { shown = value.toString(); });
    ASSERT_TRUE(WaitFor([&shown] { return shown.has_value(); }));
    EXPECT_EQ(*shown, "html/gone.htm | The file does not exist. | rgb(251, 244, 239)");
}

INSTANTIATE_TEST_SUITE_P(Table, EachBrowserWindow,
                         testing::Values(WindowCase{"Catalogue", 0, Make<TfChHtmlView>},
                                         WindowCase{"Search", 1, Make<TfChHtmlViewInfo>},
                                         WindowCase{"Information", 2, Make<TfChHtmlViewInfo1>},
                                         WindowCase{"WorkPage", 3, Make<TfChHtmlView21>},
                                         WindowCase{"LargePicture", 4, Make<TfChHtmlView12>}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
