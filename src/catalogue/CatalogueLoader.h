#pragma once

#include "TVelmoraData.h"

#include <QString>

// A work whose text file cannot be read: it stays in the catalogue with an empty text.
struct TUnreadText {
    std::string FileName; // the work's stem
    std::string Name;     // its title, Windows-1251
    QString Path;         // the text file
    QString Reason;       // why it cannot be read
};
using TUnreadTexts = std::vector<TUnreadText>;

// A catalogue as it was read: every work, and the texts that could not be.
struct TLoadedCatalogue {
    TVelmoraDataArray Works;
    TUnreadTexts Unread;
};

// Appends the works of one author from velmora.ini and their text files. A text file that
// cannot be read leaves its work with an empty text and is listed; every other work loads. The
// first work with neither a section nor a text ends the author's works, whatever the count.
TUnreadTexts LoadAuthorWorks(const QString& contentDir, std::string_view id,
                             std::string_view authorName, TVelmoraDataArray& works);

// The four authors in table order.
TUnreadTexts LoadCatalogue(const QString& contentDir, TVelmoraDataArray& works);

// What the start-up tells a catalogue's author of the texts it could not read: which works,
// which files, and why, with the file named inside the content folder.
QString DescribeUnreadTexts(const TUnreadTexts& unread, const QString& contentDir);

// Every work velmora.ini counts, each with its text where that can be read (no text list where
// it cannot), for the content checker: whatever cannot be read, and every value the viewer would
// read as nothing, is told to it and passed over. A count goes no further than the first section
// that is missing.
TVelmoraDataArray ReadEveryWork(const QString& contentDir);

// A text file's lines, ending at CR LF, LF or CR; a final line end adds no empty line.
TStringList SplitLines(std::string_view text);
