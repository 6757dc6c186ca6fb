#pragma once

#include "PageCommandTarget.h"

class QString;
class QWidget;
class TEmbeddedWB;

// Save, print and copy of a browser's page, asked through the standard boxes over a window.
class TPageCommands {
public:
    TPageCommands(QWidget& window, TEmbeddedWB& browser);

    void Run(TPageCommand command);
    // Writes the browser's page source into fileName; a failure is told in a box.
    void SaveHtmlSource(const QString& fileName);

private:
    void Save();
    void Print();

    QWidget& window_;
    TEmbeddedWB& browser_;
};
