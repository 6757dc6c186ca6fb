#include "DecorPainter.h"

#include "Canvas.h"
#include "Glyphs.h"
#include "SampleStyle.h"
#include "SkinLayout.h"
#include "SkinSurfaces.h"
#include "WindowLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace DecorPainter {
namespace {

using namespace SampleStyle;

QImage Blank(QSize size, const QColor& color)
{
    QImage image = Canvas::Blank(size);
    image.fill(color);
    return image;
}

void Begin(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

// A fan of three nails, the catalogue's emblem.
void PaintEmblem(QPainter& p, QPointF base, double scale, const QColor& ink)
{
    p.save();
    p.translate(base);
    p.scale(scale, scale);
    const std::array<QColor, 3> lacquer = {kRose, kWine.lighter(140), kGold};
    for (int k = -1; k <= 1; ++k) {
        p.save();
        p.translate(k * 15, k == 0 ? -4 : 0);
        p.rotate(k * 14);
        QPainterPath nail;
        nail.moveTo(-9, 0);
        nail.lineTo(-9, -26);
        nail.cubicTo(-9, -40, 9, -40, 9, -26);
        nail.lineTo(9, 0);
        nail.cubicTo(9, 5, -9, 5, -9, 0);
        p.setPen(QPen(ink, 1.4));
        p.setBrush(lacquer[size_t(k + 1)]);
        p.drawPath(nail.translated(0, -6));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawRoundedRect(QRectF(-6, -34, 3, 18), 1.5, 1.5);
        p.restore();
    }
    p.restore();
}

constexpr int kCardBand = 34; // the question window's title band

void PaintCardFrame(QPainter& p, const QRect& rect, bool withBand)
{
    SkinSurfaces::PaintPaper(p, rect);
    if (withBand)
        SkinSurfaces::PaintHeaderBand(p, rect.width(), kCardBand, kWine.lighter(112));
    p.setPen(QPen(kWineDark, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect.adjusted(0, 0, -1, -1));
    p.setPen(QPen(kGold, 1));
    p.drawRect(rect.adjusted(3, withBand ? kCardBand + 4 : 3, -4, -4));
}

} // namespace

QImage SplashBackground()
{
    QImage image = Canvas::Blank(WindowLayout::kSplash);
    QPainter p(&image);
    Begin(p);
    QRadialGradient wash(QPointF(250, 160), 360);
    wash.setColorAt(0, kWine.lighter(135));
    wash.setColorAt(1, kWineDark.darker(120));
    p.fillRect(Canvas::RectOf(image), wash);
    p.setPen(QPen(kGold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(SkinLayout::kSplashFrame);
    PaintEmblem(p, QPointF(250, 140), 2.0, kWineDark);
    p.setFont(Serif(46));
    p.setPen(kGold.lighter(125));
    p.drawText(QRect(0, 156, 500, 60), Qt::AlignCenter, QStringLiteral("Velmora"));
    p.setFont(Serif(15, false, true));
    p.setPen(kBlush);
    p.drawText(QRect(0, 214, 500, 24), Qt::AlignCenter,
               QStringLiteral("a catalogue of nail art by four artists"));
    p.setFont(Sans(12));
    p.setPen(kBlush.darker(115));
    p.drawText(QRect(20, 292, 300, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Opening the catalogue\u2026"));
    const QRect groove = SkinLayout::kSplashTrack;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(QRectF(groove).adjusted(-2, -2, 2, 2), 8, 8);
    p.setBrush(QColor(255, 255, 255, 24));
    p.drawRoundedRect(QRectF(groove), 7, 7);
    return image;
}

QImage SplashBar(const QImage& background)
{
    const QSize size(WindowLayout::kSplashBar.width(), 38);
    QImage image = Canvas::Blank(size);
    QPainter p(&image);
    Begin(p);
    // The viewer grows the bar past the frame to the window's edge: there it shows the
    // background, so the ribbon seems to stop at the track's end. Only the columns inside the
    // window are ever shown, and only they have a background to copy; the rest is filled all
    // the same, so the picture's bytes are the same at every generation.
    p.fillRect(Canvas::RectOf(image), kWineDark);
    const QRect shown(0, 0, WindowLayout::kSplash.width() - WindowLayout::kSplashBar.left(),
                      size.height());
    const qreal ratio = background.devicePixelRatio();
    p.drawImage(
        shown, background,
        QRectF(QPointF(WindowLayout::kSplashBar.topLeft()) * ratio, QSizeF(shown.size()) * ratio));
    const QRect ribbonArea(0, 0, SkinLayout::kSplashTrack.width(), size.height());
    p.setClipRect(ribbonArea);
    QLinearGradient ribbon(0, 0, ribbonArea.width(), 0);
    ribbon.setColorAt(0, kRose);
    ribbon.setColorAt(0.6, kGold);
    ribbon.setColorAt(1, kGold.lighter(125));
    p.fillRect(ribbonArea, ribbon);
    QLinearGradient shine(0, 0, 0, size.height());
    shine.setColorAt(0, QColor(255, 255, 255, 120));
    shine.setColorAt(0.45, QColor(255, 255, 255, 20));
    shine.setColorAt(1, QColor(0, 0, 0, 50));
    p.fillRect(ribbonArea, shine);
    p.setPen(QPen(QColor(255, 255, 255, 60), 2));
    for (int x = -40; x < ribbonArea.width(); x += 18)
        p.drawLine(QPointF(x, size.height()), QPointF(x + 24, 0));
    return image;
}

QImage Question(const QString& question, const QString& detail)
{
    QImage image = Canvas::Blank(WindowLayout::kMessage);
    QPainter p(&image);
    Begin(p);
    PaintCardFrame(p, Canvas::RectOf(image), true);
    p.setFont(Serif(16));
    p.setPen(kCream);
    p.drawText(QRect(16, 0, 468, 34), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Velmora"));
    PaintEmblem(p, QPointF(70, 130), 1.2, kWineDark);
    p.setFont(Serif(21));
    p.setPen(kWine);
    p.drawText(QRect(130, 48, 350, 64), Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
               question);
    p.setFont(Serif(13, false, true));
    p.setPen(kMuted);
    p.drawText(QRect(130, 124, 350, 50), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, detail);
    return image;
}

QImage ContextBackground()
{
    QImage image = Canvas::Blank(WindowLayout::kContextPopUp);
    QPainter p(&image);
    Begin(p);
    PaintCardFrame(p, Canvas::RectOf(image), false);
    return image;
}

QImage FilterPanel()
{
    QImage image = Canvas::Blank(SkinLayout::kFilterPanelSize);
    QPainter p(&image);
    Begin(p);
    QLinearGradient paper(0, 0, 0, Canvas::RectOf(image).height());
    paper.setColorAt(0, QColor(0xFF, 0xFB, 0xF8));
    paper.setColorAt(1, kBlush.lighter(104));
    p.fillRect(Canvas::RectOf(image), paper);
    p.setPen(QPen(kRose.lighter(125), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(Canvas::RectOf(image).adjusted(0, 0, -1, -1));
    p.setFont(Serif(14, false, true));
    p.setPen(kWine);
    p.drawText(QRect(0, 4, Canvas::RectOf(image).width(), 20), Qt::AlignCenter,
               QStringLiteral("Filters"));
    p.setPen(QPen(kGold, 1));
    p.drawLine(QPointF(24, 24.5), QPointF(Canvas::RectOf(image).width() - 24, 24.5));
    return image;
}

QImage SearchHeading(const QImage& bandUnderneath, const QString& text)
{
    QImage image = bandUnderneath.convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    Begin(p);
    Glyphs::Draw(p, TGlyph::Search, QRectF(6, 6, 18, 18), kGold.lighter(120));
    p.setFont(Serif(17));
    p.setPen(kCream);
    p.drawText(QRect(30, 0, Canvas::RectOf(image).width() - 30, Canvas::RectOf(image).height()),
               Qt::AlignLeft | Qt::AlignVCenter, text);
    return image;
}

QImage Track(QSize size)
{
    QImage image = Blank(size, kCream);
    QPainter p(&image);
    Begin(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kRose.lighter(150));
    p.drawRoundedRect(QRectF(0.5, 0, size.width() - 1, size.height()), size.width() / 2.0,
                      size.width() / 2.0);
    p.setPen(QPen(kRose.lighter(125), 1));
    p.drawLine(QPointF(size.width() / 2.0, 14), QPointF(size.width() / 2.0, size.height() - 14));
    return image;
}

QImage ResultPageBackground()
{
    QImage image = Canvas::Blank(WindowLayout::kSearchBrowser.size());
    QPainter p(&image);
    Begin(p);
    image.fill(kCream);
    // A quiet flourish in the lower right corner, behind the results.
    p.setOpacity(0.18);
    PaintEmblem(p, QPointF(Canvas::RectOf(image).width() - 70, Canvas::RectOf(image).height() - 30),
                2.2, kRose);
    return image;
}

QImage HistoryPageBackground()
{
    QImage image = Canvas::Blank(WindowLayout::kHistoryBrowser.size());
    QPainter p(&image);
    QLinearGradient wash(0, 0, 0, Canvas::RectOf(image).height());
    wash.setColorAt(0, kWineDark);
    wash.setColorAt(1, kWine);
    p.fillRect(Canvas::RectOf(image), wash);
    return image;
}

QImage ComplexityIcon(int level)
{
    QImage image = Blank(QSize(24, 16), kCream);
    QPainter p(&image);
    Begin(p);
    for (int k = 0; k < 3; ++k) {
        QPainterPath nail;
        const double x = 3 + k * 7;
        nail.moveTo(x, 14);
        nail.lineTo(x, 7);
        nail.cubicTo(x, 2, x + 5, 2, x + 5, 7);
        nail.lineTo(x + 5, 14);
        nail.closeSubpath();
        p.setPen(QPen(kRose, 1));
        p.setBrush(k < level ? kWine.lighter(125) : QColor(255, 255, 255));
        p.drawPath(nail);
    }
    return image;
}

QImage TimeIcon()
{
    QImage image = Blank(QSize(16, 16), kCream);
    QPainter p(&image);
    Begin(p);
    Glyphs::Draw(p, TGlyph::Clock, QRectF(0, 0, 16, 16), kWine.lighter(125));
    return image;
}

} // namespace DecorPainter
