#pragma once

#include <string>

class ContentFolder;

// The settings a new user starts from: every filter switch of the catalogue on, so that each
// sign card opens on works.
namespace SettingsWriter {

// The text of "settings.ini", UTF-8.
std::string Defaults();
// Writes the defaults into the content unless it has settings already: a user's own stay.
void WriteUnlessPresent(ContentFolder& folder);

} // namespace SettingsWriter
