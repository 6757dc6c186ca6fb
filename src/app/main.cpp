#include "CommandLine.h"
#include "ContentCheck.h"
#include "ContentPath.h"
#include "Diagnostics.h"
#include "DisplayOpening.h"
#include "EngineEnvironment.h"
#include "PlatformChoice.h"
#include "Program.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

// What the start says on the terminal alone, and its exit status; none for a start that shows or
// checks the content.
std::optional<int> Told(const TCommandLine& line)
{
    switch (line.Mode) {
    case TRunMode::Help:
        std::fputs(UsageText().toLocal8Bit().constData(), stdout);
        return kExitDone;
    case TRunMode::Version:
        std::puts("velmora " VELMORA_VERSION);
        return kExitDone;
    case TRunMode::Refused:
        std::fprintf(stderr, "velmora: unknown option \"%s\"; velmora --help tells the options.\n",
                     line.Refused.toLocal8Bit().constData());
        return kExitUsage;
    case TRunMode::Viewer:
    case TRunMode::Check:
        break;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    const TCommandLine line = ReadCommandLine(argc, argv);
    if (const std::optional<int> status = Told(line))
        return *status;
    KeepDiagnostics(line.Diagnostics);
    if (line.Mode == TRunMode::Check) {
        // The check reads the content as the windows would, and needs no display.
        const QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        return CheckContent(
            line.CheckFolder.isEmpty() ? ContentPath::ExecutableDir() : line.CheckFolder, out);
    }
    ApplyPlatformChoice();
    PrepareEngineEnvironment(line.Diagnostics);
    // Only while the application object is made.
    std::optional<TDisplayOpening> opening(std::in_place);
    QApplication app(argc, argv);
    opening.reset();
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));
    const QString folderProblem = ChooseContentFolder();
    TProgram program(RealTicks());
    program.ShowSplash(line.SplashPace);
    program.CreateBrowserWindows();
    program.ShowMainWindow(folderProblem);
    return QApplication::exec();
}
