#pragma once

// Whether the engine's own log reaches the terminal: for a developer, not a user.
enum class TDiagnostics { Quiet, Verbose };

// Sets what the embedded browser engine needs before the application object exists: its
// sandbox off when running as root (Chromium refuses it there), no background networking, one
// renderer process for all pages where it allows it, one graphics context shared by all views,
// and its log kept to fatal errors unless diagnostics are asked for.
void PrepareEngineEnvironment(TDiagnostics diagnostics);
