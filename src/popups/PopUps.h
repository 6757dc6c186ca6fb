#pragma once

// The program-wide references of the pop-up windows: each exists once, from its place in the
// start-up sequence to the end of the program; null until then.
class TfChMessage;
class TfChContext;

extern TfChMessage* fChMessage;
extern TfChContext* fChContext;
