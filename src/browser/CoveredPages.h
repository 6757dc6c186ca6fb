#pragma once

#include <functional>

class QEvent;
class QObject;
class QWidget;

// Whether the browser windows shown above a window cover it whole; they are opaque rectangles.
// A covered window's pages stop drawing until it is uncovered.
class TCoveredPages {
public:
    using TIsPageWindow = bool (*)(const QObject* object);

    // window's siblings that isPageWindow names may cover it; setCovered tells its pages.
    TCoveredPages(QWidget& window, TIsPageWindow isPageWindow,
                  std::function<void(bool covered)> setCovered);

    // Every event of the program: a page window shown, hidden, raised, moved or resized may
    // change what is covered.
    void See(const QObject* receiver, const QEvent& event);

private:
    bool ChangesStacking(const QObject* receiver, const QEvent& event) const;
    bool CoveredBySiblings() const;
    void Update();

    QWidget& window_;
    const TIsPageWindow isPageWindow_;
    const std::function<void(bool)> setCovered_;
    bool queued_ = false;
};
