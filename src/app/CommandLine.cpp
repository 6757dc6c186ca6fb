#include "CommandLine.h"

#include <QtGlobal>

#include <string_view>

namespace {

constexpr std::string_view kCheckOption = "--check";
constexpr std::string_view kVerboseOption = "--verbose";
constexpr const char* kVerboseVariable = "VELMORA_VERBOSE";
constexpr const char* kQuickSplashVariable = "VELMORA_TEST_QUICK_SPLASH";

} // namespace

TCommandLine ReadCommandLine(int argc, const char* const argv[])
{
    TCommandLine line;
    if (qEnvironmentVariableIntValue(kVerboseVariable) != 0)
        line.Diagnostics = TDiagnostics::Verbose;
    if (qEnvironmentVariableIntValue(kQuickSplashVariable) != 0)
        line.SplashPace = TSplashPace::Quick;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == kVerboseOption)
            line.Diagnostics = TDiagnostics::Verbose;
        else if (argument == kCheckOption)
            line.Mode = TRunMode::Check;
        else if (line.Mode == TRunMode::Check && line.CheckFolder.isEmpty())
            line.CheckFolder = QString::fromLocal8Bit(argv[i]);
    }
    return line;
}
