#include "Windows.h"

TfMain* fMain = nullptr;
TfChMessage* fChMessage = nullptr;
TfLoader* fLoader = nullptr;
TfChHtmlViewInfo1* fChHtmlViewInfo1 = nullptr;
TfChContext* fChContext = nullptr;
