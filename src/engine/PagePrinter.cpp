#include "PagePrinter.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>

#include <algorithm>

namespace PagePrinter {
namespace {

constexpr double kMarginMm = 19.05;
constexpr double kFramePointSize = 9;
// Pages are drawn as pictures; beyond this resolution they grow large and gain little.
constexpr double kMaxPictureDpi = 200;

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
    const double scale = std::min<double>(dpi, kMaxPictureDpi) / 72.0;
    const QImage rendered = document.render(page, (document.pagePointSize(page) * scale).toSize());
    // On white paper: an opaque picture keeps the page's edges clean and the output small.
    QImage picture(rendered.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).drawImage(0, 0, rendered);
    painter.drawImage(paper, picture);
}

void DrawFrame(QPainter& painter, const QRect& paper, int margin, const QString& pageText,
               const TPrintFrameTexts& texts)
{
    const QRect header(margin, 0, paper.width() - 2 * margin, margin);
    const QRect footer(margin, paper.height() - margin, header.width(), margin);
    DrawFrameLine(painter, header, texts.Title, pageText);
    DrawFrameLine(painter, footer, texts.Address, texts.Date);
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
    const int pages = document.status() == QPdfDocument::Status::Ready ? document.pageCount() : 0;
    if (pages == 0)
        return false;

    // The rendered pages carry their margins already; the frame is drawn into them.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QFont font = painter.font();
    font.setPointSizeF(kFramePointSize);
    painter.setFont(font);
    const int dpi = printer.resolution();
    const QRect paper(QPoint(0, 0), printer.paperRect(QPrinter::DevicePixel).size().toSize());
    const int margin = qRound(kMarginMm / 25.4 * dpi);
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage())
            return false;
        DrawPage(painter, document, page, paper, dpi);
        DrawFrame(painter, paper, margin, QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages),
                  texts);
    }
    return painter.end();
}

} // namespace PagePrinter
