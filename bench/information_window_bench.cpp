// From the release on the main window's "zoom" button to about.htm shown in the information
// window, with the real engine on the offscreen platform over the built sample content.
#include "ContentPath.h"
#include "EngineEnvironment.h"
#include "ProfileFile.h"
#include "Windows.h"
#include "uChContext.h"
#include "uChHtmlViewInfo1.h"
#include "uChMessage.h"
#include "uEmbeddedWB.h"
#include "uMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

#include <benchmark/benchmark.h>

namespace {

QPoint ZoomButtonCentre()
{
    const ProfileFile buttons(ContentPath::Join(fMain->ContentDir, u"buttons.ini"));
    const auto read = [&](const char* key) {
        return buttons.ReadInteger("zoom", key, -1, IntegerForm::DecimalOrHex);
    };
    return {read("bnd_x") + read("bnd_w") / 2, read("bnd_y") + read("bnd_h") / 2};
}

void BM_ZoomToAboutPageShown(benchmark::State& state)
{
    TfMain mainWindow;
    fMain = &mainWindow;
    TfChMessage message;
    fChMessage = &message;
    TfChHtmlViewInfo1 information;
    fChHtmlViewInfo1 = &information;
    TfChContext context;
    fChContext = &context;
    mainWindow.show();
    if (!QTest::qWaitForWindowExposed(&mainWindow))
        state.SkipWithError("the main window was not shown");
    const QPoint zoom = ZoomButtonCentre();
    for (auto _ : state) {
        information.hide();
        QTest::qWait(200); // the placeholder of the hidden window settles first
        QSignalSpy loaded(&information.Browser().View(), &QWebEngineView::loadFinished);
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(&mainWindow, Qt::LeftButton, {}, zoom);
        const bool shown = QTest::qWaitFor([&] {
            return information.Browser().Url().fileName() == "about.htm" && !loaded.isEmpty() &&
                   loaded.last().value(0).toBool();
        });
        if (!shown) {
            state.SkipWithError("about.htm did not load");
            break;
        }
        information.repaint();
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
    fChContext = nullptr;
    fChHtmlViewInfo1 = nullptr;
    fChMessage = nullptr;
    fMain = nullptr;
}
BENCHMARK(BM_ZoomToAboutPageShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

// Runs on the built program's content folder (argument, default build/velmora).
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareEngineEnvironment();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    ContentPath::OverrideExecutableDirForTests(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                                        : QStringLiteral(VELMORA_DIR));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
