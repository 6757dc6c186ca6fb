#include "ProfileFile.h"

#include "ContentProblems.h"
#include "RegularFile.h"
#include "WholeFile.h"
#include "Win1251.h"

#include <utility>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Far beyond any catalogue or skin, small enough that a hostile file costs little.
constexpr qint64 kMaxBytes = 64LL * 1024 * 1024;

std::string_view Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A value written between a pair of quotes reads without them, as profile files do.
std::string_view Unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// A line of the file as the content checker tells it.
QString Quoted(std::string_view line)
{
    return u'"' + Win1251::ToUnicode(line) + u'"';
}

} // namespace

size_t ProfileFile::TNameHash::operator()(std::string_view name) const
{
    // FNV-1a over the upper-cased bytes.
    size_t hash = 14695981039346656037ULL;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(Win1251::AsciiUpper(c));
        hash *= 1099511628211ULL;
    }
    return hash;
}

bool ProfileFile::TSameName::operator()(std::string_view a, std::string_view b) const
{
    return Win1251::SameAsciiNoCase(a, b);
}

ProfileFile::ProfileFile(QString path, TFolderOwner owner, TMeaninglessLines meaningless)
    : path_(std::move(path)), owner_(owner), meaningless_(meaningless)
{
    const RegularFile::TRead read = RegularFile::Read(path_, kMaxBytes, owner_);
    exists_ = read.Failure != RegularFile::TFailure::Missing;
    unreadable_ = !read.Ok() && exists_;
    if (unreadable_)
        ContentProblems::Report(path_, {}, RegularFile::Reason(read.Failure));
    bytes_.assign(read.Bytes.constData(), size_t(read.Bytes.size()));
    Parse();
}

void ProfileFile::Parse()
{
    keys_.clear();
    sections_.clear();
    lastComment_ = {};
    firstSection_.clear();
    size_t pos = bytes_.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0;
    for (int lineNumber = 1; pos < bytes_.size(); ++lineNumber) {
        const size_t lf = bytes_.find('\n', pos);
        const size_t lineEnd = lf == std::string::npos ? bytes_.size() : lf + 1;
        std::string_view line(bytes_.data() + pos, lineEnd - pos);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.remove_suffix(1);
        ParseLine(Trimmed(line), lineEnd, lineNumber);
        pos = lineEnd;
    }
}

void ProfileFile::ParseLine(std::string_view content, size_t lineEnd, int lineNumber)
{
    const bool comment = content.starts_with(';') || content.starts_with('#');
    const size_t eq = content.find('=');
    const std::string_view remark = std::exchange(lastComment_, {});
    if (comment)
        lastComment_ = Trimmed(content.substr(1));
    if (content.empty() || comment)
        return;
    if (content.starts_with('[')) {
        const size_t close = content.find(']');
        if (close == std::string_view::npos)
            ReportLine(lineNumber,
                       QStringLiteral("A section header with no \"]\": %1").arg(Quoted(content)));
        const std::string_view name =
            Trimmed(content.substr(1, close == std::string_view::npos ? close : close - 1));
        firstSection_.try_emplace(name, sections_.size());
        sections_.push_back(Section{name, keys_.size(), keys_.size(), lineEnd});
    } else if (eq == std::string_view::npos) {
        ReportLine(lineNumber, QStringLiteral("A line with no \"=\": %1").arg(Quoted(content)));
    } else if (sections_.empty()) {
        ReportLine(lineNumber, QStringLiteral("A key before any section: %1").arg(Quoted(content)));
    } else if (const std::string_view name = Trimmed(content.substr(0, eq)); !name.empty()) {
        const std::string_view value = Trimmed(content.substr(eq + 1));
        const size_t valueBegin = size_t(value.data() - bytes_.data());
        keys_.push_back(
            Key{name, valueBegin, valueBegin + value.size(), lineEnd, lineNumber, remark});
        sections_.back().keyEnd = keys_.size();
        sections_.back().lastLineEnd = lineEnd;
    }
}

void ProfileFile::ReportLine(int line, const QString& what) const
{
    if (meaningless_ == TMeaninglessLines::Untold)
        return;
    const QString where = QStringLiteral("line %1").arg(line);
    ContentProblems::Report(
        path_,
        sections_.empty()
            ? where
            : QStringLiteral("[%1], %2").arg(Win1251::ToUnicode(sections_.back().name), where),
        what + u'.');
}

void ProfileFile::ReportIfMissing() const
{
    if (!exists_)
        ContentProblems::Report(path_, {}, RegularFile::Reason(RegularFile::TFailure::Missing));
}

bool ProfileFile::HasSection(std::string_view section) const
{
    return firstSection_.contains(Trimmed(section));
}

const ProfileFile::Key* ProfileFile::FindKey(std::string_view section, std::string_view key) const
{
    const auto found = firstSection_.find(Trimmed(section));
    if (found == firstSection_.end())
        return nullptr;
    const std::string_view wanted = Trimmed(key);
    const Section& within = sections_[found->second];
    const std::span keys =
        std::span(keys_).subspan(within.firstKey, within.keyEnd - within.firstKey);
    for (const Key& candidate : keys) {
        if (Win1251::SameAsciiNoCase(candidate.name, wanted))
            return &candidate;
    }
    return nullptr;
}

QString ProfileFile::Place(std::string_view section, std::string_view key) const
{
    const QString place = QStringLiteral("[%1] %2").arg(Win1251::ToUnicode(Trimmed(section)),
                                                        Win1251::ToUnicode(Trimmed(key)));
    const Key* found = FindKey(section, key);
    return found ? place + QStringLiteral(", line %1").arg(found->line) : place;
}

QString ProfileFile::Remark(std::string_view section, std::string_view key) const
{
    const Key* found = FindKey(section, key);
    return found ? Win1251::ToUnicode(found->remark) : QString();
}

std::optional<std::string_view> ProfileFile::Value(std::string_view section,
                                                   std::string_view key) const
{
    const Key* found = FindKey(section, key);
    if (!found)
        return std::nullopt;
    return Unquoted(
        std::string_view(bytes_).substr(found->valueBegin, found->valueEnd - found->valueBegin));
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const
{
    return std::string(Value(section, key).value_or(defaultValue));
}

int ProfileFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue,
                             IntegerForm form) const
{
    const auto value = Value(section, key);
    return value ? ParseInteger(*value, form).value_or(defaultValue) : defaultValue;
}

std::string_view ProfileFile::LineBreak() const
{
    const size_t lf = bytes_.find('\n');
    if (lf != std::string::npos && (lf == 0 || bytes_[lf - 1] != '\r'))
        return "\n";
    return "\r\n";
}

std::string ProfileFile::Edited(std::string_view section, std::string_view key,
                                std::string_view value) const
{
    std::string edited = bytes_;
    if (const Key* found = FindKey(section, key)) {
        edited.replace(found->valueBegin, found->valueEnd - found->valueBegin, value);
        return edited;
    }

    const std::string_view lineBreak = LineBreak();
    std::string keyLine = std::string(Trimmed(key)) + "=" + std::string(value);
    keyLine += lineBreak;
    const auto found = firstSection_.find(Trimmed(section));
    const size_t insertAt =
        found == firstSection_.end() ? edited.size() : sections_[found->second].lastLineEnd;
    // A last line without its line end gets one before anything follows it.
    std::string insertion =
        (insertAt > 0 && edited[insertAt - 1] != '\n') ? std::string(lineBreak) : std::string();
    if (found == firstSection_.end())
        insertion += "[" + std::string(Trimmed(section)) + "]" + std::string(lineBreak);
    insertion += keyLine;
    edited.insert(insertAt, insertion);
    return edited;
}

bool ProfileFile::Replace(std::string bytes)
{
    if (unreadable_) {
        lastError_ = QStringLiteral("Cannot read %1; it is left as it is").arg(path_);
        return false;
    }
    const WholeFile::TWrite written = WholeFile::Replace(path_, bytes, owner_);
    if (!written.Ok()) {
        lastError_ = QStringLiteral("Cannot write %1: %2").arg(path_, written.Reason);
        return false;
    }
    bytes_ = std::move(bytes);
    Parse();
    lastError_.clear();
    return true;
}

bool ProfileFile::WriteIntegers(std::span<const TProfileInteger> values)
{
    const std::string original = bytes_;
    for (const TProfileInteger& value : values) {
        bytes_ = Edited(value.Section, value.Key, std::to_string(value.Value));
        Parse();
    }
    std::string edited = std::exchange(bytes_, original);
    Parse();
    return Replace(std::move(edited));
}
