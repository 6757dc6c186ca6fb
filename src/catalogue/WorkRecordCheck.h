#pragma once

#include <string_view>

class ProfileFile;

// Tells the content checker of every value of a work's section in the catalogue index that the
// viewer would read as nothing: a missing key, a time that is no number or lies outside the time
// filter's bands, a word no filter knows (with the word it was probably meant to be). A word
// with a comment on the line above is told as intended, for the comment's reason.
void CheckWorkRecord(const ProfileFile& index, std::string_view section);
