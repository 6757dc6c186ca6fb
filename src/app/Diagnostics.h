#pragma once

#include "EngineEnvironment.h"

// The toolkit and the browser engine tell the terminal a great deal (graphics set-up, the
// engine's parameters, their own warnings) that says nothing to a user: quiet, only a fatal
// or critical error shows. The program's own problems come in its windows.
void KeepDiagnostics(TDiagnostics diagnostics);
