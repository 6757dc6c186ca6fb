#pragma once

#include <QString>
#include <QTemporaryDir>

#include <string>
#include <string_view>
namespace TestFiles {

// Writes bytes exactly as given, creating the folders on the way.
void Write(const QString& path, std::string_view bytes);
std::string Read(const QString& path);

// The folder the content fence holds while it lives: its files are the content's.
class TContentFolder {
public:
    TContentFolder();
    ~TContentFolder();
    TContentFolder(const TContentFolder&) = delete;
    TContentFolder& operator=(const TContentFolder&) = delete;

    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

// What a hostile content folder may hold in a file's place.
enum class TTrap {
    Fifo,          // opening it for reading blocks until a writer comes
    Directory,     //
    LinkToDevZero, // reads never end
    HugeFile,      // a sparse regular file of 1 GiB
    // Links to a file of the user's outside the content, which holds what the reader would take
    // for the real thing:
    LinkOutByAbsolutePath,
    LinkOutByRelativePath, // ../../tmp/...
    LinkOutThroughProc,    // /proc/self/cwd/...
    LinkThroughAFolderOut, // to a file in a linked folder that lies outside
};
// outsideBytes are what the user's file holds, for the link traps.
void PlaceTrap(const QString& path, TTrap trap, std::string_view outsideBytes = "secret");

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
    {"LinkOutByAbsolutePath", TTrap::LinkOutByAbsolutePath},
    {"LinkOutByRelativePath", TTrap::LinkOutByRelativePath},
    {"LinkOutThroughProc", TTrap::LinkOutThroughProc},
    {"LinkThroughAFolderOut", TTrap::LinkThroughAFolderOut},
};

} // namespace TestFiles
