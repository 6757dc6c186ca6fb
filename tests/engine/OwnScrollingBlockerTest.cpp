#include "BrowserFixture.h"
#include "EventWait.h"

#include <QKeyEvent>
#include <QTest>
#include <QWebEngineView>
#include <QWheelEvent>

#include <functional>
#include <memory>

namespace {

// Records the events that reach the object it watches.
class TEventRecorder : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        Seen.push_back(event->type());
        return false;
    }

    std::vector<QEvent::Type> Seen;
};

struct InputCase {
    const char* name;
    std::function<std::unique_ptr<QEvent>()> event;
    bool reachesTheEngine;
    bool inTextField = false; // the page's focus is in a field the user types into
};

std::unique_ptr<QEvent> Key(Qt::Key key)
{
    return std::make_unique<QKeyEvent>(QEvent::KeyPress, key, Qt::NoModifier);
}

std::unique_ptr<QEvent> WheelDown()
{
    return std::make_unique<QWheelEvent>(QPointF(100, 100), QPointF(100, 100), QPoint(),
                                         QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                                         Qt::NoScrollPhase, false);
}

class EngineInput : public BrowserFixture, public testing::WithParamInterface<InputCase> {};

// The page moves only by the window's own steps: the engine's input widget never gets the
// wheel or a scrolling key, unless a text field of the page takes the key, and gets every other
// input as before.
TEST_P(EngineInput, ScrollingInputNeverReachesTheEngine)
{
    ASSERT_TRUE(Load("long.html", "<!DOCTYPE html><input id=field><div style=\"height:3000px\">"));
    QWidget* engineInput = wb_.View().focusProxy();
    ASSERT_NE(engineInput, nullptr);
    // Stands for the engine's own handling, which comes after every filter: one installed after
    // the blocker's first look, which the blocker's next look, when the view shows, puts behind it.
    TEventRecorder recorder;
    engineInput->installEventFilter(&recorder);
    wb_.Show();
    if (GetParam().inTextField) {
        engineInput->setFocus();
        Evaluate("document.getElementById('field').focus()");
        ASSERT_TRUE(WaitFor([&] { return wb_.TakesTyping(); }, 8000));
    }
    const std::unique_ptr<QEvent> event = GetParam().event();
    QCoreApplication::sendEvent(engineInput, event.get());
    const bool reached =
        std::find(recorder.Seen.begin(), recorder.Seen.end(), event->type()) != recorder.Seen.end();
    EXPECT_EQ(reached, GetParam().reachesTheEngine);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EngineInput,
    testing::Values(InputCase{"Wheel", WheelDown, false},
                    InputCase{"Down", [] { return Key(Qt::Key_Down); }, false},
                    InputCase{"PageUp", [] { return Key(Qt::Key_PageUp); }, false},
                    InputCase{"End", [] { return Key(Qt::Key_End); }, false},
                    InputCase{"Space", [] { return Key(Qt::Key_Space); }, false},
                    InputCase{"LetterKey", [] { return Key(Qt::Key_A); }, true},
                    InputCase{"SpaceInATextField", [] { return Key(Qt::Key_Space); }, true, true},
                    InputCase{"HomeInATextField", [] { return Key(Qt::Key_Home); }, true, true},
                    InputCase{"WheelOverATextField", WheelDown, false, true}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
