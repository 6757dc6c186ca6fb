#pragma once

#include "PageScroll.h"
#include "PageStep.h"

#include <QString>
#include <QVariant>

// The scripts through which the browser reaches its document, and the reading of their answers.
// Every script is one expression for runJavaScript.
namespace PageScripts {

// Replaces the document with text at once; answers true once written.
QString WritePage(const QString& text);

// Readies a loaded page for those who do not see it or use no mouse. Names what a screen reader
// would find nameless: a link that holds only a picture, as a work card's does, by the card's
// work name, and its picture too; the document gets title. Answers what SettledPage reads.
QString SettlePage(const QString& title);

// What the page settled with: its own title, for the print's header, and whether anything in
// it takes the keyboard's focus.
struct TSettledPage {
    QString OwnTitle;
    bool TakesFocus = true;
};
TSettledPage SettledPage(const QVariant& answer);

// The root-or-body probe, then the scrolling element's state (see ScrollState).
QString GetScroll();
// The probe, then the scrolling element's scrollTop := position; answers true.
QString SetScroll(int position);
// One step on the root element or the body, then the state as GetScroll answers.
QString ScrollStep(TPageStep step, bool rootScrolls);

// The state a scroll script answered, rounded; a page without a scrolling element, or an
// answer that is not a state, has nothing to scroll.
TPageScroll ScrollState(const QVariant& answer);

} // namespace PageScripts
