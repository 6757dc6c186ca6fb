#include "ContentCheck.h"
#include "ContentPath.h"
#include "EngineEnvironment.h"
#include "Program.h"

#include <QApplication>
#include <QTextStream>

#include <cstring>

namespace {

constexpr const char* kCheckOption = "--check";

bool AsksForCheck(int argc, char* argv[])
{
    return argc > 1 && std::strcmp(argv[1], kCheckOption) == 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool check = AsksForCheck(argc, argv);
    // The check makes the windows to read what they read, and shows none.
    if (check)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareEngineEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));

    if (check) {
        QTextStream out(stdout);
        const QStringList arguments = QApplication::arguments();
        return CheckContent(arguments.size() > 2 ? arguments[2] : ContentPath::ExecutableDir(),
                            RealTicks(), out);
    }
    const QString folderProblem = ChooseContentFolder();
    TProgram program(RealTicks());
    program.ShowSplash();
    program.CreateBrowserWindows();
    program.ShowMainWindow(folderProblem);
    return QApplication::exec();
}
