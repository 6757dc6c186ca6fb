#pragma once

// The program-wide window references: every window exists once, from its place in the start-up
// sequence to the end of the program, and windows reach each other only through these. A
// reference is null until its window has been created.
class TfMain;
class TfChMessage;
class TfLoader;
class TfChHtmlViewInfo1;
class TfChContext;

extern TfMain* fMain;
extern TfChMessage* fChMessage;
extern TfLoader* fLoader;
extern TfChHtmlViewInfo1* fChHtmlViewInfo1;
extern TfChContext* fChContext;
