#include "Windows.h"

TfMain* fMain = nullptr;
TfLoader* fLoader = nullptr;
