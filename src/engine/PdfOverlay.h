#pragma once

#include <QByteArray>

#include <optional>

// Laying one PDF document's pages over another's, page by page, as they are: text stays text
// and pictures keep their resolution.
namespace PdfOverlay {

// The pages of `under` with the page of `over` of the same number drawn on top; nothing when
// either is no PDF the reader can take or their page counts differ.
std::optional<QByteArray> Overlaid(const QByteArray& under, const QByteArray& over);

} // namespace PdfOverlay
