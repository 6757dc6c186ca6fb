#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Sees the input on its way into a view's page: the events of the engine's input widgets inside
// the view, which come and go with its renderer. It watches the view and its input widgets
// alone, never the whole application.
class TViewInputWatcher : public QObject {
protected:
    explicit TViewInputWatcher(QWidget& view);

    // An event for one of the view's input widgets; true keeps it from the engine.
    virtual bool InputEvent(const QWidget& input, const QEvent& event) = 0;

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void WatchInputWidgets();

    QPointer<QWidget> view_;
};
