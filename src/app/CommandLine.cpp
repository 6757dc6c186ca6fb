#include "CommandLine.h"

#include <QtGlobal>

#include <string_view>

namespace {

constexpr std::string_view kCheckOption = "--check";
constexpr std::string_view kVerboseOption = "--verbose";
constexpr std::string_view kHelpOption = "--help";
constexpr std::string_view kShortHelpOption = "-h";
constexpr std::string_view kVersionOption = "--version";
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
    // The first refusal, or the first request to tell, wins over everything after it.
    for (int i = 1; i < argc && line.Mode != TRunMode::Refused; ++i) {
        const std::string_view argument = argv[i];
        if (argument == kVerboseOption)
            line.Diagnostics = TDiagnostics::Verbose;
        else if (argument == kHelpOption || argument == kShortHelpOption)
            line.Mode = TRunMode::Help;
        else if (argument == kVersionOption)
            line.Mode = TRunMode::Version;
        else if (line.Mode == TRunMode::Help || line.Mode == TRunMode::Version)
            continue;
        else if (argument == kCheckOption)
            line.Mode = TRunMode::Check;
        else if (line.Mode == TRunMode::Check && line.CheckFolder.isEmpty() &&
                 !argument.starts_with('-'))
            line.CheckFolder = QString::fromLocal8Bit(argv[i]);
        else {
            line.Mode = TRunMode::Refused;
            line.Refused = QString::fromLocal8Bit(argv[i]);
        }
    }
    return line;
}

QString UsageText()
{
    return QStringLiteral(
        "Usage: velmora [--verbose]\n"
        "       velmora --check [FOLDER] [--verbose]\n"
        "\n"
        "Shows the catalogue of manicure designs beside the program, or checks a catalogue's\n"
        "folder (the one beside the program unless FOLDER is given) and says what is wrong in\n"
        "it, without showing a window.\n"
        "\n"
        "  --check      check the content folder and exit: 0 when it is sound\n"
        "  --verbose    write the program's diagnostics to the terminal\n"
        "  -h, --help   show this text and exit\n"
        "  --version    show the program's version and exit\n");
}
