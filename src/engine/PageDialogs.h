#pragma once

#include <QPointer>
#include <QString>

#include <optional>

class QDialog;
class QWidget;
class TUserActivation;

// A page's alert, confirm and prompt boxes, kept from trapping the user. One box at a time in
// the whole program; none from a page that has shown two in a row without the user pressing
// in it, as a browser offers to stop them; and a box goes when its window goes. A box holds
// no other window: the windows' close buttons and the program's close work while it is open.
class TPageDialogs {
public:
    // The boxes of the page shown in window, which they stand over.
    TPageDialogs(QWidget& window, const TUserActivation& input) : window_(window), input_(input) {}
    ~TPageDialogs();
    TPageDialogs(const TPageDialogs&) = delete;
    TPageDialogs& operator=(const TPageDialogs&) = delete;

    void Alert(const QString& text);
    bool Confirm(const QString& text);
    // The text the user gave, or none when refused or cancelled.
    std::optional<QString> Prompt(const QString& text, const QString& defaultValue);

    // Ends an open box as a cancel would: its window is closing.
    void Dismiss();

private:
    // Whether the page may show another box now; counts it when it may.
    bool MayShow();
    // Shows the box until it is answered or dismissed.
    void Run(QDialog* box);

    QWidget& window_;
    const TUserActivation& input_;
    unsigned shownInARow_ = 0;
    unsigned pressesAtLastBox_ = 0;
    QPointer<QDialog> open_;
};
