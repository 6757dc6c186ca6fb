#include "EngineWarmUp.h"

#include "EngineProfile.h"

#include <QUrl>
#include <QWebEnginePage>

TEngineWarmUp::TEngineWarmUp() : page_(std::make_unique<QWebEnginePage>(&EngineProfile()))
{
    page_->load(QUrl(QStringLiteral("about:blank")));
}

TEngineWarmUp::~TEngineWarmUp() = default;
