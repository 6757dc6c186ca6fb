#pragma once

#include <QString>

class QPrinter;
class QUrl;
class QWidget;

// The program's standard boxes and its one way out to other programs, behind one interface so
// tests answer them without a modal loop and never start a real web browser.
class TDialogs {
public:
    virtual ~TDialogs() = default;

    // The standard error box: an operation failed with this message.
    virtual void ShowError(QWidget* parent, const QString& message) = 0;
    // A message box with the caption and one OK button.
    virtual void ShowMessage(QWidget* owner, const QString& text, const QString& caption) = 0;
    // The save dialog; the chosen file, or empty when the user cancelled.
    virtual QString AskSaveFileName(QWidget* parent, const QString& defaultSuffix,
                                    const QString& filter) = 0;
    // The print dialog, which sets up printer; false when the user cancelled.
    virtual bool AskPrint(QWidget* parent, QPrinter& printer) = 0;
    // Opens an address in the user's web browser, outside the program.
    virtual void OpenExternally(const QUrl& address) = 0;
};

TDialogs& Dialogs();

// Tests put their own answers in place; nullptr brings the real boxes back.
void SetDialogs(TDialogs* dialogs);
