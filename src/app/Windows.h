#pragma once

// The program-wide reference of the main window: it exists once, from its place in the
// start-up sequence on; null until then and after.
class TfMain;

extern TfMain* fMain;
