#pragma once

#include "CatalogueLoader.h"
#include "TVelmoraData.h"
#include "TextSearch.h"

#include <QString>

#include <future>

// The catalogue the windows share, apart from any window: every work of the content folder, read
// with the search's index over their texts on a thread of its own while the user waits anyway,
// and the works the last result lists, which the work links index.
class TCatalogue {
public:
    explicit TCatalogue(QString contentDir);

    TVelmoraDataArray Works;
    TVelmoraDataArray Selection;

    // Begins reading; does nothing after the first call.
    void StartLoading();
    // Waits for the read (beginning it if it has not begun), takes in the works and their index,
    // and gives the texts that could not be read; nothing after the first call. Before anything
    // reads the works or searches them.
    TUnreadTexts FinishLoading();

    // The works' texts as the search reads them; none before the works are in.
    const TSearchTexts& SearchTexts() const { return searchTexts_; }

private:
    // What the thread hands over.
    struct TRead {
        TLoadedCatalogue Loaded;
        TSearchTexts Texts;
    };

    const QString contentDir_;
    bool loadStarted_ = false;
    std::future<TRead> load_;
    TSearchTexts searchTexts_{TVelmoraDataArray()};
};
