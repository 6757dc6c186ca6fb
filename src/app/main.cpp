#include "CommandLine.h"
#include "ContentCheck.h"
#include "ContentPath.h"
#include "Diagnostics.h"
#include "EngineEnvironment.h"
#include "PlatformChoice.h"
#include "Program.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    const TCommandLine line = ReadCommandLine(argc, argv);
    KeepDiagnostics(line.Diagnostics);
    // The check makes the windows to read what they read, and shows none.
    if (line.Mode == TRunMode::Check)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ApplyPlatformChoice();
    PrepareEngineEnvironment(line.Diagnostics);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));

    if (line.Mode == TRunMode::Check) {
        QTextStream out(stdout);
        return CheckContent(line.CheckFolder.isEmpty() ? ContentPath::ExecutableDir()
                                                       : line.CheckFolder,
                            RealTicks(), out);
    }
    const QString folderProblem = ChooseContentFolder();
    TProgram program(RealTicks(), TPageEngine::Running);
    program.ShowSplash(line.SplashPace);
    program.CreateBrowserWindows();
    program.ShowMainWindow(folderProblem);
    return QApplication::exec();
}
