#include "EngineEnvironment.h"
#include "Program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    PrepareEngineEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));

    TProgram program(RealTicks());
    program.ShowSplash();
    program.CreateBrowserWindows();
    program.ShowMainWindow();
    return QApplication::exec();
}
