#include "Windows.h"
#include "uChLoader.h"
#include "uChMessage.h"
#include "uMain.h"

#include <QApplication>
#include <memory>
#include <unistd.h>

namespace {

// Chromium refuses to start its sandbox as root (as on a build machine); any other user keeps it.
void SwitchOffEngineSandboxForRoot()
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

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
    SwitchOffEngineSandboxForRoot();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));

    const auto mainWindow = std::make_unique<TfMain>();
    fMain = mainWindow.get();
    const auto message = std::make_unique<TfChMessage>();
    fChMessage = message.get();
    ShowSplash();

    fMain->show();
    return QApplication::exec();
}
