#include "Placement.h"

#include <algorithm>

QPoint CentredOnDesktop(QSize desktop, QSize window)
{
    return {std::max(0, (desktop.width() - window.width()) / 2),
            std::max(0, (desktop.height() - window.height()) / 2)};
}
