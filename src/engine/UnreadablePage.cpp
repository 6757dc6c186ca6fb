#include "UnreadablePage.h"

namespace UnreadablePage {
namespace {

// The catalogue's own look, from the root of its origin, whichever folder the page was in.
constexpr char kStyleSheet[] = "/html/styletext.css";

} // namespace

QByteArray Text(const QString& contentFile, RegularFile::TFailure failure)
{
    return QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
                          "<title>The page cannot be shown</title>"
                          "<link rel=\"stylesheet\" href=\"%1\"></head><body>"
                          "<div class=\"hint\"><h2>The page cannot be shown</h2>"
                          "<p id=\"file\">%2</p><p id=\"reason\" class=\"note\">%3</p>"
                          "</div></body></html>")
        .arg(QLatin1String(kStyleSheet), contentFile.toHtmlEscaped(),
             RegularFile::Reason(failure).toHtmlEscaped())
        .toUtf8();
}

} // namespace UnreadablePage
