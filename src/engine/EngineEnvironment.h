#pragma once

// Sets what the embedded browser engine needs before the application object exists: its
// sandbox off when running as root (Chromium refuses it there), no background networking, one
// renderer process for all pages where it allows it, one graphics context shared by all views.
void PrepareEngineEnvironment();
