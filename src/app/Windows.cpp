#include "Windows.h"

TfMain* fMain = nullptr;
