#include "NewWindowQuestion.h"

#include "Dialogs.h"
#include "PopUps.h"
#include "ShownHost.h"
#include "uChMessage.h"

#include <QUrl>

namespace {

bool IsWebSite(const QUrl& url)
{
    return (url.scheme() == u"http" || url.scheme() == u"https") && !url.host().isEmpty();
}

} // namespace

void TNewWindowQuestion::Ask(const QUrl& url, bool windowShown)
{
    if (!IsWebSite(url) || !windowShown || !fChMessage || fChMessage->isVisible() || pageRefused_)
        return;
    int remembered = 1;
    const int ask = fChMessage->Prepare(TfChMessage::WebMessage, remembered);
    fChMessage->NameSite(ShownHost(url));
    bool allowed = remembered != 1;
    if (ask != 0) {
        allowed = fChMessage->exec() == TfChMessage::Yes;
        pageRefused_ = !allowed;
    }
    if (allowed)
        Dialogs().OpenExternally(url);
}
