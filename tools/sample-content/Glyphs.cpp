#include "Glyphs.h"

#include <QPainterPath>

#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace Glyphs {
namespace {

// Each glyph is drawn in a 24 by 24 design box, scaled to the button's box.
using TGlyphPainter = void (*)(QPainter&, const QColor&);

// Line art: round ends and joins, nothing filled.
void Outline(QPainter& p, const QColor& color, double width)
{
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

// Filled shapes without an edge.
void Solid(QPainter& p, const QColor& color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
}

void Lines(QPainter& p, std::initializer_list<QLineF> lines)
{
    for (const QLineF& line : lines)
        p.drawLine(line);
}

QPainterPath Polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.moveTo(*points.begin());
    for (auto point = points.begin() + 1; point != points.end(); ++point)
        path.lineTo(*point);
    return path;
}

struct TCurve {
    QPointF Control1;
    QPointF Control2;
    QPointF End;
};

QPainterPath Curves(QPointF start, std::initializer_list<TCurve> curves)
{
    QPainterPath path;
    path.moveTo(start);
    for (const TCurve& curve : curves)
        path.cubicTo(curve.Control1, curve.Control2, curve.End);
    return path;
}

void Nothing(QPainter&, const QColor&) {}

void Close(QPainter& p, const QColor& c)
{
    Outline(p, c, 2.4);
    Lines(p, {{6, 6, 18, 18}, {18, 6, 6, 18}});
}

void Minimize(QPainter& p, const QColor& c)
{
    Outline(p, c, 2.4);
    Lines(p, {{6, 16, 18, 16}});
}

void Search(QPainter& p, const QColor& c)
{
    Outline(p, c, 2.2);
    p.drawEllipse(QPointF(10, 10), 6, 6);
    Lines(p, {{14.5, 14.5, 20, 20}});
}

void Info(QPainter& p, const QColor& c)
{
    Outline(p, c, 1.8);
    p.drawEllipse(QPointF(12, 12), 9, 9);
    Outline(p, c, 2.4);
    Lines(p, {{12, 11, 12, 17}});
    p.drawPoint(QPointF(12, 7.5));
}

// Points left for a direction of 1, right for -1.
void Chevron(QPainter& p, const QColor& c, double direction)
{
    Outline(p, c, 2.6);
    p.drawPath(
        Polyline({{12 + 3 * direction, 5}, {12 - 4 * direction, 12}, {12 + 3 * direction, 19}}));
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
    Outline(p, c, 2.2);
    Lines(p, {{5, 12, 19, 12}, {5, 12, 10, 7}, {5, 12, 10, 17}});
}

void Up(QPainter& p, const QColor& c)
{
    Solid(p, c);
    p.drawPolygon(QPolygonF{{12, 6}, {20, 17}, {4, 17}});
}

void Down(QPainter& p, const QColor& c)
{
    Solid(p, c);
    p.drawPolygon(QPolygonF{{12, 18}, {20, 7}, {4, 7}});
}

void Picture(QPainter& p, const QColor& c)
{
    Outline(p, c, 1.8);
    p.drawRoundedRect(QRectF(3, 5, 18, 14), 2, 2);
    p.drawPath(Polyline({{4, 18}, {10, 11}, {14, 15}, {16, 13}, {20, 18}}));
    p.drawEllipse(QPointF(16, 9), 1.5, 1.5);
}

void List(QPainter& p, const QColor& c)
{
    Outline(p, c, 2.0);
    for (double y : {7.0, 12.0, 17.0}) {
        p.drawPoint(QPointF(5, y));
        Lines(p, {{9, y, 20, y}});
    }
}

void Save(QPainter& p, const QColor& c)
{
    Outline(p, c, 2.0);
    Lines(p, {{12, 4, 12, 15}, {12, 15, 7.5, 10.5}, {12, 15, 16.5, 10.5}, {5, 20, 19, 20}});
}

void Print(QPainter& p, const QColor& c)
{
    Outline(p, c, 1.8);
    p.drawRect(QRectF(7, 4, 10, 5));
    p.drawRoundedRect(QRectF(4, 9, 16, 8), 2, 2);
    p.drawRect(QRectF(7, 14, 10, 6));
}

void Copy(QPainter& p, const QColor& c)
{
    Outline(p, c, 1.8);
    p.drawRoundedRect(QRectF(4, 7, 11, 13), 2, 2);
    p.drawRoundedRect(QRectF(9, 3, 11, 13), 2, 2);
}

void Yes(QPainter& p, const QColor& c)
{
    Outline(p, c, 2.6);
    p.drawPath(Polyline({{5, 12.5}, {10, 17.5}, {19, 7}}));
}

void Show(QPainter& p, const QColor& c)
{
    Solid(p, c);
    p.drawPolygon(QPolygonF{{8, 5}, {19, 12}, {8, 19}});
}

void AllOn(QPainter& p, const QColor& c)
{
    Outline(p, c, 2.0);
    for (double y : {5.0, 13.0}) {
        p.drawRoundedRect(QRectF(3, y, 7, 7), 1.5, 1.5);
        p.drawPath(Polyline({{4.5, y + 3.5}, {6.5, y + 5.5}, {9, y + 1.5}}));
        Lines(p, {{13, y + 3.5, 21, y + 3.5}});
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
    Outline(p, c, 1.5);
    NailShape(p, {6, 21}, 5, 13);
    NailShape(p, {12, 19}, 5.5, 15);
    NailShape(p, {18, 21}, 5, 13);
}

void Complexity(QPainter& p, const QColor& c)
{
    Solid(p, c);
    for (const QRectF& bar : {QRectF(4, 14, 4, 6), QRectF(10, 9, 4, 11), QRectF(16, 4, 4, 16)})
        p.drawRoundedRect(bar, 1, 1);
}

void Clock(QPainter& p, const QColor& c)
{
    Outline(p, c, 1.8);
    p.drawEllipse(QPointF(12, 12), 9, 9);
    Lines(p, {{12, 12, 12, 6.5}, {12, 12, 16, 14}});
}

void Palette(QPainter& p, const QColor& c)
{
    Outline(p, c, 1.6);
    p.drawPath(Curves({12, 3}, {{{19, 3}, {22, 8}, {21, 12}},
                                {{20, 16}, {15, 14}, {15, 17}},
                                {{15, 20}, {14, 21}, {11, 21}},
                                {{5, 21}, {3, 16}, {3, 12}},
                                {{3, 7}, {7, 3}, {12, 3}}}));
    Solid(p, c);
    for (QPointF dot : {QPointF(8, 9), QPointF(12, 7), QPointF(16, 9), QPointF(7.5, 14)})
        p.drawEllipse(dot, 1.6, 1.6);
}

void Flower(QPainter& p, const QColor& c)
{
    Outline(p, c, 1.5);
    for (int k = 0; k < 5; ++k) {
        const double angle = 2 * std::numbers::pi * k / 5 - std::numbers::pi / 2;
        p.drawEllipse(QPointF(12 + 5 * std::cos(angle), 11 + 5 * std::sin(angle)), 3.4, 3.4);
    }
    p.setBrush(c);
    p.drawEllipse(QPointF(12, 11), 2, 2);
}

void Gem(QPainter& p, const QColor& c)
{
    Outline(p, c, 1.6);
    p.drawPolygon(QPolygonF{{7, 5}, {17, 5}, {21, 10}, {12, 20}, {3, 10}});
    Lines(p, {{3, 10, 21, 10}, {9, 10, 12, 20}, {15, 10, 12, 20}, {9, 10, 11, 5}, {15, 10, 13, 5}});
}

void Heart(QPainter& p, const QColor& c)
{
    Outline(p, c, 1.6);
    p.drawPath(Curves({12, 20}, {{{4, 14}, {2, 10}, {4, 6.5}},
                                 {{6, 3.5}, {10.5, 4}, {12, 8}},
                                 {{13.5, 4}, {18, 3.5}, {20, 6.5}},
                                 {{22, 10}, {20, 14}, {12, 20}}}));
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
