#pragma once

#include "EngineEnvironment.h"
#include "SplashPace.h"

#include <QString>

// What a start of the program was asked to do:
//   velmora [--verbose]                  the viewer
//   velmora --check [FOLDER] [--verbose] the content check, of FOLDER or the executable's
//   velmora --help | --version           what the program is and takes
// --verbose may stand anywhere; any other argument is refused.
// VELMORA_VERBOSE=1 in the environment asks for the diagnostics as --verbose does;
// VELMORA_TEST_QUICK_SPLASH=1, for tests that start the program many times, runs the splash
// at a quicker pace.
enum class TRunMode { Viewer, Check, Help, Version, Refused };

// The exit statuses of a start that shows no window, as other programs give them.
enum TExitStatus { kExitDone = 0, kExitNoDisplay = 1, kExitUsage = 2 };

struct TCommandLine {
    TRunMode Mode = TRunMode::Viewer;
    QString CheckFolder; // empty: the folder beside the executable
    QString Refused;     // the argument no mode takes
    TDiagnostics Diagnostics = TDiagnostics::Quiet;
    TSplashPace SplashPace = TSplashPace::Whole;
};

// Reads the arguments as the system gave them, before the application object exists.
TCommandLine ReadCommandLine(int argc, const char* const argv[]);

// What --help prints.
QString UsageText();
