#include "PopUps.h"

TfChMessage* fChMessage = nullptr;
TfChContext* fChContext = nullptr;
