// The profile reader on any file: read every name the file holds, write one value, read again.
// The value written reads back, every other value reads as before, and nothing crashes.
#include "Fuzzing.h"
#include "ProfileFile.h"
#include "Win1251.h"

#include <string>
#include <vector>

namespace {

struct TName {
    std::string Section;
    std::string Key;
};

constexpr size_t kMostNames = 16;
constexpr int kWrittenValue = 4711;

VELMORA_NOT_COVERED std::string_view Trimmed(std::string_view text)
{
    const size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

// The section and key names the file's lines give, as a person reading it would take them,
// and one name the file surely lacks.
VELMORA_NOT_COVERED std::vector<TName> NamesIn(std::string_view bytes)
{
    std::vector<TName> names;
    std::string section;
    size_t pos = 0;
    while (pos < bytes.size() && names.size() < kMostNames) {
        const size_t lf = bytes.find('\n', pos);
        const size_t end = lf == std::string_view::npos ? bytes.size() : lf + 1;
        const std::string_view line = Trimmed(bytes.substr(pos, end - pos));
        pos = end;
        if (line.starts_with(';') || line.starts_with('#'))
            continue; // a remark, whatever it holds
        if (line.starts_with('['))
            section = Trimmed(line.substr(1, line.find(']') - 1));
        else if (const size_t eq = line.find('='); eq != std::string_view::npos)
            names.push_back({section, std::string(Trimmed(line.substr(0, eq)))});
    }
    names.push_back({"velmora-fuzz", "absent"});
    return names;
}

// A name a program would write: printable, no brackets, no equals sign, not read as a remark.
VELMORA_NOT_COVERED bool Writable(std::string_view name)
{
    return !name.empty() && name.find_first_of("[]=") == std::string_view::npos &&
           !name.starts_with(';') && !name.starts_with('#') &&
           std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c < 0x7F; });
}

std::vector<std::string> Values(const ProfileFile& file, const std::vector<TName>& names)
{
    std::vector<std::string> values;
    for (const TName& name : names)
        values.push_back(file.ReadString(name.Section, name.Key, "default"));
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = Fuzzing::Bytes(data, size);
    const QString path = Fuzzing::WriteFile(QStringLiteral("settings.ini"), bytes);
    const std::vector<TName> names = NamesIn(bytes);
    ProfileFile file(path);
    const std::vector<std::string> before = Values(file, names);

    const TName& first = names.front();
    const TName written = Writable(first.Section) && Writable(first.Key) ? first : names.back();
    const TProfileInteger value{written.Section, written.Key, kWrittenValue};
    Fuzzing::Require(file.WriteIntegers({&value, 1}), "a regular file is written");
    // After a write the file reads from a parse of exactly the bytes it put on disk; opening
    // it again would parse the same bytes twice.
    const std::vector<std::string> after = Values(file, names);
    for (size_t i = 0; i < names.size(); ++i) {
        const bool isWritten = Win1251::SameAsciiNoCase(names[i].Section, written.Section) &&
                               Win1251::SameAsciiNoCase(names[i].Key, written.Key);
        Fuzzing::Require(after[i] == (isWritten ? std::to_string(kWrittenValue) : before[i]),
                         "one write changes that value alone");
    }
    return 0;
}
