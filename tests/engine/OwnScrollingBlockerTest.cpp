#include "BrowserFixture.h"

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
};

std::unique_ptr<QEvent> Key(Qt::Key key)
{
    return std::make_unique<QKeyEvent>(QEvent::KeyPress, key, Qt::NoModifier);
}

class EngineInput : public BrowserFixture, public testing::WithParamInterface<InputCase> {};

// The page moves only by the window's own steps: the engine's input widget never gets the
// wheel or a scrolling key, and gets every other input as before.
TEST_P(EngineInput, ScrollingInputNeverReachesTheEngine)
{
    ASSERT_TRUE(Load("long.html", kRootPage));
    QWidget* engineInput = wb_.View().focusProxy();
    ASSERT_NE(engineInput, nullptr);
    // Stands for the engine's own handling, which comes after every filter: one installed after
    // the blocker's first look, which the blocker's next look, when the view shows, puts behind it.
    TEventRecorder recorder;
    engineInput->installEventFilter(&recorder);
    wb_.Show();
    const std::unique_ptr<QEvent> event = GetParam().event();
    QCoreApplication::sendEvent(engineInput, event.get());
    const bool reached =
        std::find(recorder.Seen.begin(), recorder.Seen.end(), event->type()) != recorder.Seen.end();
    EXPECT_EQ(reached, GetParam().reachesTheEngine);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EngineInput,
    testing::Values(InputCase{"Wheel",
                              [] {
                                  return std::make_unique<QWheelEvent>(
                                      QPointF(100, 100), QPointF(100, 100), QPoint(),
                                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                                      Qt::NoScrollPhase, false);
                              },
                              false},
                    InputCase{"Down", [] { return Key(Qt::Key_Down); }, false},
                    InputCase{"PageUp", [] { return Key(Qt::Key_PageUp); }, false},
                    InputCase{"End", [] { return Key(Qt::Key_End); }, false},
                    InputCase{"Space", [] { return Key(Qt::Key_Space); }, false},
                    InputCase{"LetterKey", [] { return Key(Qt::Key_A); }, true}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
