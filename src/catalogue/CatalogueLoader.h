#pragma once

#include "TVelmoraData.h"

#include <QString>

#include <stdexcept>

// A work's text file that is missing or unreadable stops the loading.
class EFileOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Appends the works of one author from velmora.ini and their text files. On a text file
// that cannot be read the work stays appended with an empty text, nothing after it is loaded,
// and EFileOpenError is thrown.
void LoadAuthorWorks(const QString& contentDir, std::string_view id, std::string_view authorName,
                     TVelmoraDataArray& works);

// The four authors in table order; the first failure ends it.
void LoadCatalogue(const QString& contentDir, TVelmoraDataArray& works);

// Every work velmora.ini counts, each with its text where that can be read (no text list where
// it cannot), for the content checker: whatever cannot be read is told to it and passed over. A
// count goes no further than the first section that is missing.
TVelmoraDataArray ReadEveryWork(const QString& contentDir);

// A text file's lines, ending at CR LF, LF or CR; a final line end adds no empty line.
TStringList SplitLines(std::string_view text);
