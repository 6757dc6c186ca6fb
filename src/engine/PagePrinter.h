#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>

class QPrinter;

// What a printed page shows around the page itself: the title left and "Page p of P" right
// at the top, the address left and the date right at the bottom.
struct TPrintFrameTexts {
    QString Title;
    QString Address;
    QString Date;
};

// Printing a page the engine has rendered to PDF: each PDF page is drawn onto the printer and
// framed by a header and a footer in its margins, which the engine's own printing lacks.
namespace PagePrinter {

// The layout the page is rendered in: the printer's paper, portrait, 19.05 mm margins.
QPageLayout PageLayout(const QPrinter& printer);

// Prints every page of pdf; false when there is nothing to print or the printer fails.
bool Print(const QByteArray& pdf, QPrinter& printer, const TPrintFrameTexts& texts);

} // namespace PagePrinter
