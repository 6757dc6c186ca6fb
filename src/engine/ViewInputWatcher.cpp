#include "ViewInputWatcher.h"

#include <QEvent>
#include <QWidget>

TViewInputWatcher::TViewInputWatcher(QWidget& view) : QObject(&view), view_(&view)
{
    view.installEventFilter(this);
    WatchInputWidgets();
}

// Watched again whenever the view shows, the watcher stands first among the widget's filters,
// before any that came later.
void TViewInputWatcher::WatchInputWidgets()
{
    for (QWidget* child : view_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->installEventFilter(this);
}

bool TViewInputWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (!view_)
        return false;
    if (watched == view_) {
        if (event->type() == QEvent::ChildAdded || event->type() == QEvent::Show)
            WatchInputWidgets();
        return false;
    }
    return InputEvent(*static_cast<QWidget*>(watched), *event);
}
