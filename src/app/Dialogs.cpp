#include "Dialogs.h"

#include <QMessageBox>

namespace {

class TStandardDialogs : public TDialogs {
  public:
    void ShowError(QWidget* parent, const QString& message) override
    {
        QMessageBox::critical(parent, QStringLiteral("Velmora"), message);
    }
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
