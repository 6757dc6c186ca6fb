#include "Windows.h"

TfMain* fMain = nullptr;
TfChMessage* fChMessage = nullptr;
TfLoader* fLoader = nullptr;
