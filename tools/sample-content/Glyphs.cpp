#include "Glyphs.h"

#include <QPainterPath>

#include <array>
#include <cmath>

namespace Glyphs {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Each glyph is drawn in a 24 by 24 design box, scaled to the button's box.
using TGlyphPainter = void (*)(QPainter&, const QColor&);

QPen Line(const QColor& color, double width = 2.0)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Nothing(QPainter&, const QColor&) {}

void Close(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 2.4));
    p.drawLine(QPointF(6, 6), QPointF(18, 18));
    p.drawLine(QPointF(18, 6), QPointF(6, 18));
}

void Minimize(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 2.4));
    p.drawLine(QPointF(6, 16), QPointF(18, 16));
}

void Search(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 10), 6, 6);
    p.drawLine(QPointF(14.5, 14.5), QPointF(20, 20));
}

void Info(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 9, 9);
    p.setPen(Line(c, 2.4));
    p.drawLine(QPointF(12, 11), QPointF(12, 17));
    p.drawPoint(QPointF(12, 7.5));
}

void Chevron(QPainter& p, const QColor& c, double direction)
{
    p.setPen(Line(c, 2.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(12 + 3 * direction, 5);
    path.lineTo(12 - 4 * direction, 12);
    path.lineTo(12 + 3 * direction, 19);
    p.drawPath(path);
}

void Previous(QPainter& p, const QColor& c)
{
    Chevron(p, c, 1);
}

void Next(QPainter& p, const QColor& c)
{
    Chevron(p, c, -1);
}

void Back(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 2.2));
    p.drawLine(QPointF(5, 12), QPointF(19, 12));
    p.drawLine(QPointF(5, 12), QPointF(10, 7));
    p.drawLine(QPointF(5, 12), QPointF(10, 17));
}

void Triangle(QPainter& p, const QColor& c, bool up)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPolygonF arrow;
    if (up)
        arrow << QPointF(12, 6) << QPointF(20, 17) << QPointF(4, 17);
    else
        arrow << QPointF(12, 18) << QPointF(20, 7) << QPointF(4, 7);
    p.drawPolygon(arrow);
}

void Up(QPainter& p, const QColor& c)
{
    Triangle(p, c, true);
}

void Down(QPainter& p, const QColor& c)
{
    Triangle(p, c, false);
}

void Picture(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3, 5, 18, 14), 2, 2);
    QPainterPath hills;
    hills.moveTo(4, 18);
    hills.lineTo(10, 11);
    hills.lineTo(14, 15);
    hills.lineTo(16, 13);
    hills.lineTo(20, 18);
    p.drawPath(hills);
    p.drawEllipse(QPointF(16, 9), 1.5, 1.5);
}

void List(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 2.0));
    for (double y : {7.0, 12.0, 17.0}) {
        p.drawPoint(QPointF(5, y));
        p.drawLine(QPointF(9, y), QPointF(20, y));
    }
}

void Save(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 2.0));
    p.drawLine(QPointF(12, 4), QPointF(12, 15));
    p.drawLine(QPointF(12, 15), QPointF(7.5, 10.5));
    p.drawLine(QPointF(12, 15), QPointF(16.5, 10.5));
    p.drawLine(QPointF(5, 20), QPointF(19, 20));
}

void Print(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(7, 4, 10, 5));
    p.drawRoundedRect(QRectF(4, 9, 16, 8), 2, 2);
    p.drawRect(QRectF(7, 14, 10, 6));
}

void Copy(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4, 7, 11, 13), 2, 2);
    p.drawRoundedRect(QRectF(9, 3, 11, 13), 2, 2);
}

void Yes(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 2.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(5, 12.5);
    tick.lineTo(10, 17.5);
    tick.lineTo(19, 7);
    p.drawPath(tick);
}

void Show(QPainter& p, const QColor& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPolygonF play;
    play << QPointF(8, 5) << QPointF(19, 12) << QPointF(8, 19);
    p.drawPolygon(play);
}

void AllOn(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 2.0));
    p.setBrush(Qt::NoBrush);
    for (double y : {5.0, 13.0}) {
        p.drawRoundedRect(QRectF(3, y, 7, 7), 1.5, 1.5);
        QPainterPath tick;
        tick.moveTo(4.5, y + 3.5);
        tick.lineTo(6.5, y + 5.5);
        tick.lineTo(9, y + 1.5);
        p.drawPath(tick);
        p.drawLine(QPointF(13, y + 3.5), QPointF(21, y + 3.5));
    }
}

void NailShape(QPainter& p, QPointF base, double width, double height)
{
    QPainterPath nail;
    nail.moveTo(base.x() - width / 2, base.y());
    nail.lineTo(base.x() - width / 2, base.y() - height + width / 2);
    nail.arcTo(QRectF(base.x() - width / 2, base.y() - height, width, width), 180, -180);
    nail.lineTo(base.x() + width / 2, base.y());
    nail.closeSubpath();
    p.drawPath(nail);
}

void AllWorks(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 1.5));
    p.setBrush(Qt::NoBrush);
    NailShape(p, {6, 21}, 5, 13);
    NailShape(p, {12, 19}, 5.5, 15);
    NailShape(p, {18, 21}, 5, 13);
}

void Complexity(QPainter& p, const QColor& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(4, 14, 4, 6), 1, 1);
    p.drawRoundedRect(QRectF(10, 9, 4, 11), 1, 1);
    p.drawRoundedRect(QRectF(16, 4, 4, 16), 1, 1);
}

void Clock(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 9, 9);
    p.drawLine(QPointF(12, 12), QPointF(12, 6.5));
    p.drawLine(QPointF(12, 12), QPointF(16, 14));
}

void Palette(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath board;
    board.moveTo(12, 3);
    board.cubicTo(19, 3, 22, 8, 21, 12);
    board.cubicTo(20, 16, 15, 14, 15, 17);
    board.cubicTo(15, 20, 14, 21, 11, 21);
    board.cubicTo(5, 21, 3, 16, 3, 12);
    board.cubicTo(3, 7, 7, 3, 12, 3);
    p.drawPath(board);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (QPointF dot : {QPointF(8, 9), QPointF(12, 7), QPointF(16, 9), QPointF(7.5, 14)})
        p.drawEllipse(dot, 1.6, 1.6);
}

void Flower(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 1.5));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 5; ++k) {
        const double angle = 2 * kPi * k / 5 - kPi / 2;
        p.drawEllipse(QPointF(12 + 5 * std::cos(angle), 11 + 5 * std::sin(angle)), 3.4, 3.4);
    }
    p.setBrush(c);
    p.drawEllipse(QPointF(12, 11), 2, 2);
}

void Gem(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 1.6));
    p.setBrush(Qt::NoBrush);
    QPolygonF gem;
    gem << QPointF(7, 5) << QPointF(17, 5) << QPointF(21, 10) << QPointF(12, 20) << QPointF(3, 10);
    p.drawPolygon(gem);
    p.drawLine(QPointF(3, 10), QPointF(21, 10));
    p.drawLine(QPointF(9, 10), QPointF(12, 20));
    p.drawLine(QPointF(15, 10), QPointF(12, 20));
    p.drawLine(QPointF(9, 10), QPointF(11, 5));
    p.drawLine(QPointF(15, 10), QPointF(13, 5));
}

void Heart(QPainter& p, const QColor& c)
{
    p.setPen(Line(c, 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath heart;
    heart.moveTo(12, 20);
    heart.cubicTo(4, 14, 2, 10, 4, 6.5);
    heart.cubicTo(6, 3.5, 10.5, 4, 12, 8);
    heart.cubicTo(13.5, 4, 18, 3.5, 20, 6.5);
    heart.cubicTo(22, 10, 20, 14, 12, 20);
    p.drawPath(heart);
}

// Indexed by TGlyph.
constexpr std::array<TGlyphPainter, 26> kPainters = {
    Nothing, Close,    Minimize,   Search, Info,    Back,   Previous, Next,  Up,
    Down,    Picture,  List,       Save,   Print,   Copy,   Yes,      Close, Show,
    AllOn,   AllWorks, Complexity, Clock,  Palette, Flower, Gem,      Heart,
};
static_assert(size_t(TGlyph::Heart) + 1 == kPainters.size());

} // namespace

void Draw(QPainter& painter, TGlyph glyph, const QRectF& box, const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(box.width(), box.height());
    painter.translate(box.center() - QPointF(side / 2, side / 2));
    painter.scale(side / 24, side / 24);
    kPainters[size_t(glyph)](painter, color);
    painter.restore();
}

} // namespace Glyphs
