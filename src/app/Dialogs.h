#pragma once

#include <QString>

class QWidget;

// The program's standard boxes, behind one interface so tests answer them without a modal loop.
class TDialogs {
  public:
    virtual ~TDialogs() = default;

    // The standard error box: an operation failed with this message.
    virtual void ShowError(QWidget* parent, const QString& message) = 0;
};

TDialogs& Dialogs();

// Tests put their own answers in place; nullptr brings the real boxes back.
void SetDialogs(TDialogs* dialogs);
