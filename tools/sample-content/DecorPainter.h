#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The skin's smaller pictures: splash, questions, pop-up, filter panel, headings, scroll
// tracks, and the page backgrounds and icons the generated pages use.
namespace DecorPainter {

QImage SplashBackground();
// The bar's picture, over the background it grows on.
QImage SplashBar(const QImage& background);
// A question window's picture with the question written in it.
QImage Question(const QString& question, const QString& detail);
QImage ContextBackground();
QImage FilterPanel();
// The search window's heading, painted over the frame's own band so it blends in.
QImage SearchHeading(const QImage& bandUnderneath, const QString& text);
// A scroll bar's track, as tall as the bar.
QImage Track(QSize size);
QImage ResultPageBackground();
QImage HistoryPageBackground();
// Complexity 1 to 3 as filled nail marks.
QImage ComplexityIcon(int level);
QImage TimeIcon();

} // namespace DecorPainter
