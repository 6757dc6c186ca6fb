#include "Dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace {

class TStandardDialogs : public TDialogs {
public:
    void ShowError(QWidget* parent, const QString& message) override
    {
        QMessageBox::critical(parent, QStringLiteral("Velmora"), message);
    }

    void ShowMessage(QWidget* owner, const QString& text, const QString& caption) override
    {
        QMessageBox::information(owner, caption, text, QMessageBox::Ok);
    }

    QString AskSaveFileName(QWidget* parent, const QString& defaultSuffix,
                            const QString& filter) override
    {
        QFileDialog dialog(parent);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.setNameFilter(filter);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    bool AskPrint(QWidget* parent, QPrinter& printer) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    void OpenExternally(const QUrl& address) override { QDesktopServices::openUrl(address); }
};

TDialogs* current = nullptr;

} // namespace

TDialogs& Dialogs()
{
    static TStandardDialogs standard;
    return current ? *current : standard;
}

void SetDialogs(TDialogs* dialogs)
{
    current = dialogs;
}
