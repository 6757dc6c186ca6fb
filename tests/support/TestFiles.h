#pragma once

#include <QString>

#include <string>
#include <string_view>
namespace TestFiles {

// Writes bytes exactly as given, creating the folders on the way.
void Write(const QString& path, std::string_view bytes);
std::string Read(const QString& path);

// What a hostile content folder may hold in a file's place.
enum class TTrap {
    Fifo,          // opening it for reading blocks until a writer comes
    Directory,     //
    LinkToDevZero, // reads never end
    HugeFile,      // a sparse regular file of 1 GiB
};
void PlaceTrap(const QString& path, TTrap trap);

// Every trap, named for a test table.
struct TTrapCase {
    const char* name;
    TTrap trap;
};
inline constexpr TTrapCase kTraps[] = {
    {"Fifo", TTrap::Fifo},
    {"Folder", TTrap::Directory},
    {"LinkToDevZero", TTrap::LinkToDevZero},
    {"HugeFile", TTrap::HugeFile},
};

} // namespace TestFiles
