#include "PagePrinter.h"

#include "PdfOverlay.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <optional>

namespace PagePrinter {
namespace {

constexpr double kMarginMm = 19.05;
constexpr double kFramePointSize = 9;
// A printer is given pages as pictures; beyond this resolution they grow large and gain little.
constexpr double kMaxPictureDpi = 200;
// The frame laid over a page printed to a file: fine enough that its text sits where it is
// measured.
constexpr int kFrameDpi = 1200;
constexpr double kPointsPerInch = 72;
constexpr double kMillimetresPerInch = 25.4;

// One line of the frame: left text and right text in a band, the left one shortened so that
// both fit.
void DrawFrameLine(QPainter& painter, const QRect& band, const QString& left, const QString& right)
{
    const QFontMetrics metrics(painter.font(), painter.device());
    const int rightWidth = metrics.horizontalAdvance(right);
    const int leftWidth = std::max(0, band.width() - rightWidth - metrics.averageCharWidth() * 2);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(left, Qt::ElideRight, leftWidth));
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, right);
}

void DrawPage(QPainter& painter, QPdfDocument& document, int page, const QRect& paper, int dpi)
{
    const double scale = std::min<double>(dpi, kMaxPictureDpi) / kPointsPerInch;
    const QImage rendered = document.render(page, (document.pagePointSize(page) * scale).toSize());
    // On white paper: an opaque picture keeps the page's edges clean and the output small.
    QImage picture(rendered.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).drawImage(0, 0, rendered);
    painter.drawImage(paper, picture);
}

QString PageText(int page, int pages)
{
    return QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages);
}

// The header and the footer in the margins of paper, in the painter's device units at dpi.
void DrawFrame(QPainter& painter, const QRect& paper, int dpi, const QString& pageText,
               const TPrintFrameTexts& texts)
{
    const int margin = qRound(kMarginMm / kMillimetresPerInch * dpi);
    const QRect header(margin, 0, paper.width() - 2 * margin, margin);
    const QRect footer(margin, paper.height() - margin, header.width(), margin);
    DrawFrameLine(painter, header, texts.Title, pageText);
    DrawFrameLine(painter, footer, texts.Address, texts.Date);
}

void UseFrameFont(QPainter& painter)
{
    QFont font = painter.font();
    font.setPointSizeF(kFramePointSize);
    painter.setFont(font);
}

// A document of the frames alone, one page of the same size for each page of document.
std::optional<QByteArray> FramesFor(QPdfDocument& document, const TPrintFrameTexts& texts)
{
    QBuffer frames;
    frames.open(QIODevice::WriteOnly);
    QPdfWriter writer(&frames);
    writer.setResolution(kFrameDpi);
    writer.setPageMargins(QMarginsF());
    const int pages = document.pageCount();
    writer.setPageSize(QPageSize(document.pagePointSize(0), QPageSize::Point));
    QPainter painter;
    if (!painter.begin(&writer))
        return std::nullopt;
    UseFrameFont(painter);
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            writer.setPageSize(QPageSize(document.pagePointSize(page), QPageSize::Point));
            writer.newPage();
        }
        DrawFrame(painter, QRect(0, 0, writer.width(), writer.height()), kFrameDpi,
                  PageText(page, pages), texts);
    }
    if (!painter.end())
        return std::nullopt;
    return frames.data();
}

// The engine's own PDF with the frame laid over it: its text stays text a reader can select
// and search.
bool PrintToFile(const QByteArray& pdf, QPdfDocument& document, const QString& fileName,
                 const TPrintFrameTexts& texts)
{
    const std::optional<QByteArray> frames = FramesFor(document, texts);
    const std::optional<QByteArray> framed =
        frames ? PdfOverlay::Overlaid(pdf, *frames) : std::nullopt;
    return framed && WholeFile::Replace(fileName, *framed, TFolderOwner::User).Ok();
}

// A printer takes each page as a picture with the frame drawn into its margins.
bool PrintPictures(QPdfDocument& document, QPrinter& printer, const TPrintFrameTexts& texts)
{
    // The rendered pages carry their margins already; the frame is drawn into them.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    UseFrameFont(painter);
    const int dpi = printer.resolution();
    const QRect paper(QPoint(0, 0), printer.paperRect(QPrinter::DevicePixel).size().toSize());
    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage())
            return false;
        DrawPage(painter, document, page, paper, dpi);
        DrawFrame(painter, paper, dpi, PageText(page, pages), texts);
    }
    return painter.end();
}

} // namespace

QPageLayout PageLayout(const QPrinter& printer)
{
    return QPageLayout(printer.pageLayout().pageSize(), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

bool Print(const QByteArray& pdf, QPrinter& printer, const TPrintFrameTexts& texts)
{
    QBuffer buffer;
    buffer.setData(pdf);
    buffer.open(QIODevice::ReadOnly);
    QPdfDocument document;
    document.load(&buffer);
    if (document.status() != QPdfDocument::Status::Ready || document.pageCount() == 0)
        return false;
    const bool toFile =
        printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    return toFile ? PrintToFile(pdf, document, printer.outputFileName(), texts)
                  : PrintPictures(document, printer, texts);
}

} // namespace PagePrinter
