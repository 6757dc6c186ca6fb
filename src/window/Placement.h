#pragma once

#include <QPoint>
#include <QSize>

// Where a window of the given size stands when centred on the desktop: each half of the
// difference truncated toward zero, never above or left of the desktop's corner.
QPoint CentredOnDesktop(QSize desktop, QSize window);
