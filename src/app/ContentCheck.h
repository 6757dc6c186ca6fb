#pragma once

#include <QString>

class QTextStream;

// velmora --check: reads a content folder as the viewer would, through the viewer's own
// readers, and prints every problem at once, one line each with the file, where in it when that
// is known, and what is wrong, then a summary. No window is made and nothing is written. 0 when
// the content is clean, 1 when not.
int CheckContent(const QString& folder, QTextStream& out);
