#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <sys/resource.h>

namespace TestFiles {

// Writes bytes exactly as given, creating the folders on the way.
void Write(const QString& path, std::string_view bytes);
std::string Read(const QString& path);

// While it lives, files cannot grow beyond the given size: the disk is "full". Tests run as
// root, where permissions stop no write; this does.
class TDiskFullAfter {
public:
    explicit TDiskFullAfter(rlim_t bytes);
    ~TDiskFullAfter();
    TDiskFullAfter(const TDiskFullAfter&) = delete;
    TDiskFullAfter& operator=(const TDiskFullAfter&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace TestFiles
