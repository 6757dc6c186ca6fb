#include "EngineEnvironment.h"
#include "Windows.h"
#include "uChContext.h"
#include "uChHtmlViewInfo1.h"
#include "uChLoader.h"
#include "uChMessage.h"
#include "uMain.h"

#include <QApplication>

#include <memory>

namespace {

// Holds the user on the splash until its own timer has run out.
void ShowSplash()
{
    auto splash = std::make_unique<TfLoader>();
    fLoader = splash.get();
    splash->show();
    splash->repaint();
    while (splash->IsTiming())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    splash->hide();
    fLoader = nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    PrepareEngineEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));

    const auto mainWindow = std::make_unique<TfMain>();
    fMain = mainWindow.get();
    const auto message = std::make_unique<TfChMessage>();
    fChMessage = message.get();
    ShowSplash();

    // The browser windows and the pop-up, in their order; windows not built yet are skipped.
    const auto information = std::make_unique<TfChHtmlViewInfo1>();
    fChHtmlViewInfo1 = information.get();
    const auto context = std::make_unique<TfChContext>();
    fChContext = context.get();

    fMain->show();
    return QApplication::exec();
}
