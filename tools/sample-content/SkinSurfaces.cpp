#include "SkinSurfaces.h"

#include "SampleStyle.h"

#include <QLinearGradient>

namespace SkinSurfaces {

void PaintPaper(QPainter& p, const QRect& rect)
{
    QLinearGradient paper(0, 0, 0, rect.height());
    paper.setColorAt(0, SampleStyle::kCream);
    paper.setColorAt(1, SampleStyle::kSand);
    p.fillRect(rect, paper);
}

void PaintHeaderBand(QPainter& p, int width, int height, const QColor& top)
{
    QLinearGradient band(0, 0, 0, height);
    band.setColorAt(0, top);
    band.setColorAt(1, SampleStyle::kWineDark);
    p.fillRect(QRect(0, 0, width, height), band);
    p.fillRect(QRect(0, height, width, 1), SampleStyle::kGold);
}

} // namespace SkinSurfaces
