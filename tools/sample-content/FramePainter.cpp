#include "FramePainter.h"

#include "Canvas.h"
#include "SampleStyle.h"
#include "SkinLayout.h"
#include "SkinSurfaces.h"
#include "WindowLayout.h"

#include <QPainter>

#include <array>

namespace FramePainter {
namespace {

using namespace SampleStyle;
using SkinLayout::kHeaderHeight;
using WindowLayout::kBrowserWindow;

void PaintShell(QPainter& p, const QString& caption)
{
    SkinSurfaces::PaintPaper(p, QRect(QPoint(0, 0), WindowLayout::kBrowserWindow));
    SkinSurfaces::PaintHeaderBand(p, WindowLayout::kBrowserWindow.width(), kHeaderHeight,
                                  kWine.lighter(112));

    p.setPen(QPen(kWineDark, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(0, 0, WindowLayout::kBrowserWindow.width() - 1,
                     WindowLayout::kBrowserWindow.height() - 1));
    p.setPen(QPen(WithAlpha(kGold, 140), 1));
    p.drawRect(QRect(4, kHeaderHeight + 4, WindowLayout::kBrowserWindow.width() - 9,
                     WindowLayout::kBrowserWindow.height() - kHeaderHeight - 9));
    if (!caption.isEmpty()) {
        p.setFont(Serif(17));
        p.setPen(kCream);
        p.drawText(QRect(37, 0, 500, kHeaderHeight), Qt::AlignVCenter | Qt::AlignLeft, caption);
    }
}

// A recessed well the browser fills; light for pages, wine for the history list.
void PaintWell(QPainter& p, const QRect& inside, bool dark)
{
    const QRect rim = inside.adjusted(-3, -3, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6E, 0x3A, 0x3A, 30));
    p.drawRoundedRect(QRectF(rim).translated(1, 2), 4, 4);
    p.setBrush(dark ? kWine : kRose.lighter(150));
    p.drawRoundedRect(rim, 4, 4);
    p.fillRect(inside, dark ? kWineDark : kCream);
}

void PaintMat(QPainter& p, const QRect& picture)
{
    const QRect mat = picture.adjusted(-12, -12, 12, 12);
    p.setPen(Qt::NoPen);
    for (int k = 4; k >= 1; --k) {
        p.setBrush(QColor(0x6E, 0x3A, 0x3A, 12));
        p.drawRoundedRect(mat.adjusted(-k, -k + 2, k, k + 2), 6, 6);
    }
    p.setBrush(QColor(0xFF, 0xFC, 0xF9));
    p.drawRoundedRect(mat, 6, 6);
    p.setPen(QPen(kGold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(picture.adjusted(-4, -4, 3, 3));
    p.fillRect(picture, kBlush);
}

void PaintNote(QPainter& p, const QRect& box, const QString& text, int size = 12)
{
    p.setFont(Serif(size, false, true));
    p.setPen(kMuted);
    p.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
}

// A small floral ornament: a line with a flower in the middle.
void PaintOrnament(QPainter& p, QPoint center, int halfWidth)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kGold, 1));
    p.drawLine(center.x() - halfWidth, center.y(), center.x() - 10, center.y());
    p.drawLine(center.x() + 10, center.y(), center.x() + halfWidth, center.y());
    p.setBrush(kRose);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 4; ++k) {
        p.save();
        p.translate(center);
        p.rotate(45 + k * 90);
        p.drawEllipse(QRectF(-2.5, -8, 5, 8));
        p.restore();
    }
    p.setBrush(kGold);
    p.drawEllipse(center, 2, 2);
}

void PaintCatalogue(QPainter& p)
{
    PaintShell(p, QStringLiteral("Catalogue"));
    PaintWell(p, WindowLayout::kCatalogueBrowser, false);
    PaintOrnament(p, QPoint(758, 330), 70);
    PaintNote(p, QRect(684, 350, 148, 120),
              QStringLiteral("Choose a group above, switch its filters on, then press Show."));
    PaintOrnament(p, QPoint(758, 470), 70);
}

void PaintWorkPage(QPainter& p)
{
    PaintShell(p, QString());
    PaintWell(p, WindowLayout::kWorkBrowser, false);
    PaintMat(p, WindowLayout::kMiddlePicture);
}

void PaintLargePicture(QPainter& p)
{
    PaintShell(p, QString());
    PaintMat(p, WindowLayout::kLargePicture);
}

void PaintSearch(QPainter& p)
{
    PaintShell(p, QString());
    PaintWell(p, WindowLayout::kSearchBrowser, false);
    p.setFont(Serif(13, false, true));
    p.setPen(kWine);
    p.drawText(QRect(676, 56, 153, 20), Qt::AlignCenter, QStringLiteral("Find in descriptions"));
    // The edit's own field, a little larger than the edit.
    const QRect field = WindowLayout::kSearchEdit.adjusted(-5, -5, 5, 5);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kGold, 1));
    p.setBrush(kEditField);
    p.drawRoundedRect(QRectF(field).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    PaintWell(p, WindowLayout::kHistoryBrowser, true);
    // The compact bar beside the history is never drawn: its groove lives here.
    const QRect groove(833, 143, 13, 351);
    p.setPen(Qt::NoPen);
    p.setBrush(kRose.lighter(150));
    p.drawRoundedRect(groove, 6, 6);
}

void PaintAbout(QPainter& p)
{
    PaintShell(p, QStringLiteral("About Velmora"));
    PaintWell(p, WindowLayout::kCatalogueBrowser, false);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(Serif(30));
    p.setPen(kWine);
    p.drawText(QRect(676, 70, 160, 44), Qt::AlignCenter, QStringLiteral("Velmora"));
    PaintOrnament(p, QPoint(756, 122), 60);
    PaintNote(p, QRect(684, 136, 144, 60), QStringLiteral("a catalogue of nail art"));
    p.setFont(Serif(13));
    p.setPen(kInk);
    p.drawText(QRect(680, 200, 152, 120), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Mira Tallis\nVesna Korlan\nIlna Dravec\nTova Renquist"));
    PaintOrnament(p, QPoint(756, 300), 60);
    PaintNote(p, QRect(684, 470, 144, 50), QStringLiteral("Roll the wheel to read on."), 11);
}

using TFramePainter = void (*)(QPainter&);

// Indexed by TFrame.
constexpr std::array<TFramePainter, 5> kFramePainters = {
    PaintCatalogue, PaintWorkPage, PaintLargePicture, PaintSearch, PaintAbout,
};
static_assert(size_t(TFrame::About) + 1 == kFramePainters.size());

} // namespace

QImage Paint(TFrame frame)
{
    QImage image = Canvas::Blank(WindowLayout::kBrowserWindow);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    kFramePainters[size_t(frame)](p);
    return image;
}

} // namespace FramePainter
