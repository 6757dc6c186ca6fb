#pragma once

#include <QString>

class TEmbeddedWB;

// The user's own click on the element of the page with that id, through the engine's input
// widget as a mouse would: a press no script of the page can make. False when the element is
// not there or the engine did not tell where it is.
bool ClickPageElement(TEmbeddedWB& browser, const QString& id);
