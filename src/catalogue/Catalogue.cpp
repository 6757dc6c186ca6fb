#include "Catalogue.h"

TCatalogue::TCatalogue(QString contentDir) : contentDir_(std::move(contentDir)) {}

void TCatalogue::StartLoading()
{
    if (loadStarted_)
        return;
    loadStarted_ = true;
    load_ = std::async(std::launch::async, [dir = contentDir_] {
        TLoadedCatalogue loaded;
        loaded.Unread = LoadCatalogue(dir, loaded.Works);
        TSearchTexts texts(loaded.Works);
        return TRead{std::move(loaded), std::move(texts)};
    });
}

TUnreadTexts TCatalogue::FinishLoading()
{
    StartLoading();
    if (!load_.valid())
        return {};
    TRead read = load_.get();
    Works = std::move(read.Loaded.Works);
    searchTexts_ = std::move(read.Texts);
    return std::move(read.Loaded.Unread);
}
