#include "NewWindowQuestion.h"

#include "Dialogs.h"
#include "PopUps.h"
#include "uChMessage.h"

#include <QUrl>

void TNewWindowQuestion::Ask(const QUrl& url)
{
    if (!fChMessage || fChMessage->isVisible() || pageRefused_)
        return;
    int remembered = 1;
    const int ask = fChMessage->Prepare(TfChMessage::WebMessage, remembered);
    bool allowed = remembered != 1;
    if (ask != 0) {
        allowed = fChMessage->exec() == TfChMessage::Yes;
        pageRefused_ = !allowed;
    }
    if (allowed)
        Dialogs().OpenExternally(url);
}
