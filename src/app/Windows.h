#pragma once

// The program-wide references of the main window and the splash: each exists once, from its
// place in the start-up sequence on; null until then and after.
class TfMain;
class TfLoader;

extern TfMain* fMain;
extern TfLoader* fLoader;
