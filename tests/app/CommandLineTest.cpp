#include "CommandLine.h"

#include "PlatformChoice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct CommandLineCase {
    const char* name;
    std::vector<const char*> arguments; // after the program's name
    const char* verboseVariable;        // nullptr: not set
    TRunMode mode;
    const char* checkFolder;
    TDiagnostics diagnostics;
    const char* refused = "";
};

class CommandLine : public testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLine, IsReadAsTheUserMeantIt)
{
    const CommandLineCase& row = GetParam();
    if (row.verboseVariable)
        qputenv("VELMORA_VERBOSE", row.verboseVariable);
    else
        qunsetenv("VELMORA_VERBOSE");
    std::vector<const char*> argv{"velmora"};
    argv.insert(argv.end(), row.arguments.begin(), row.arguments.end());

    const TCommandLine line = ReadCommandLine(static_cast<int>(argv.size()), argv.data());
    qunsetenv("VELMORA_VERBOSE");
    EXPECT_EQ(line.Mode, row.mode);
    EXPECT_EQ(line.CheckFolder, QString::fromUtf8(row.checkFolder));
    EXPECT_EQ(line.Diagnostics, row.diagnostics);
    EXPECT_EQ(line.Refused, QString::fromUtf8(row.refused));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLine,
    testing::Values(
        CommandLineCase{
            "NothingIsTheQuietViewer", {}, nullptr, TRunMode::Viewer, "", TDiagnostics::Quiet},
        CommandLineCase{"CheckOfTheFolderBesideIt",
                        {"--check"},
                        nullptr,
                        TRunMode::Check,
                        "",
                        TDiagnostics::Quiet},
        CommandLineCase{"CheckOfAFolder",
                        {"--check", "/srv/catalogue"},
                        nullptr,
                        TRunMode::Check,
                        "/srv/catalogue",
                        TDiagnostics::Quiet},
        CommandLineCase{"VerboseAfterTheFolder",
                        {"--check", "/srv/c", "--verbose"},
                        nullptr,
                        TRunMode::Check,
                        "/srv/c",
                        TDiagnostics::Verbose},
        CommandLineCase{"VerboseBeforeTheCheckIsNoFolder",
                        {"--verbose", "--check"},
                        nullptr,
                        TRunMode::Check,
                        "",
                        TDiagnostics::Verbose},
        CommandLineCase{
            "VerboseViewer", {"--verbose"}, nullptr, TRunMode::Viewer, "", TDiagnostics::Verbose},
        CommandLineCase{
            "VariableAsksForDiagnostics", {}, "1", TRunMode::Viewer, "", TDiagnostics::Verbose},
        CommandLineCase{
            "VariableAtNoughtDoesNot", {}, "0", TRunMode::Viewer, "", TDiagnostics::Quiet},
        CommandLineCase{"HelpWinsOverWhatFollows",
                        {"--check", "--help", "--bogus"},
                        nullptr,
                        TRunMode::Help,
                        "",
                        TDiagnostics::Quiet},
        CommandLineCase{
            "Version", {"--version"}, nullptr, TRunMode::Version, "", TDiagnostics::Quiet},
        CommandLineCase{"AnUnknownOptionIsRefusedByName",
                        {"--bogus", "--help"},
                        nullptr,
                        TRunMode::Refused,
                        "",
                        TDiagnostics::Quiet,
                        "--bogus"},
        CommandLineCase{"AViewerTakesNoFolder",
                        {"/srv/c"},
                        nullptr,
                        TRunMode::Refused,
                        "",
                        TDiagnostics::Quiet,
                        "/srv/c"},
        CommandLineCase{"ACheckTakesOneFolder",
                        {"--check", "/srv/c", "/srv/d"},
                        nullptr,
                        TRunMode::Refused,
                        "/srv/c",
                        TDiagnostics::Quiet,
                        "/srv/d"}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

struct PlatformCase {
    const char* name;
    TSessionEnvironment session;
    TPlatform platform;
};

class Platform : public testing::TestWithParam<PlatformCase> {};

TEST_P(Platform, IsOneWhereTheViewerPlacesItsWindowsWhereverTheSessionHasOne)
{
    EXPECT_EQ(ChoosePlatform(GetParam().session), GetParam().platform);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Platform,
    testing::Values(
        PlatformCase{"AnX11Session", {.X11Display = ":0"}, TPlatform::X11},
        PlatformCase{"AWaylandSessionWithXWayland",
                     {.WaylandDisplay = "wayland-0", .X11Display = ":0"},
                     TPlatform::X11OnWayland},
        PlatformCase{
            "AWaylandSessionWithoutXWayland", {.WaylandDisplay = "wayland-0"}, TPlatform::Wayland},
        PlatformCase{"AWaylandSessionByItsTypeAlone",
                     {.SessionType = "wayland", .X11Display = ":1"},
                     TPlatform::X11OnWayland},
        PlatformCase{"TheUsersOwnChoiceStands",
                     {.QtPlatform = "wayland", .WaylandDisplay = "wayland-0", .X11Display = ":0"},
                     TPlatform::AsTheUserSays}),
    [](const testing::TestParamInfo<PlatformCase>& paramInfo) { return paramInfo.param.name; });

} // namespace
