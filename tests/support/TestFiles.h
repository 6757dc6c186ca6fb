#pragma once

#include <QString>

#include <string>
#include <string_view>
namespace TestFiles {

// Writes bytes exactly as given, creating the folders on the way.
void Write(const QString& path, std::string_view bytes);
std::string Read(const QString& path);

} // namespace TestFiles
