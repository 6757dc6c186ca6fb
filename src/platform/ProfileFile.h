#pragma once

#include "FolderOwner.h"
#include "IntegerText.h"

#include <QString>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Whether the content checker hears of lines that mean nothing: of the files the content's
// author writes, not of those the viewer writes anew whatever they hold.
enum class TMeaninglessLines { Told, Untold };

// One integer key of a batch written at once.
struct TProfileInteger {
    std::string Section;
    std::string Key;
    int Value;
};

// One open of an INI profile file. The constructor reads and parses the file once; reads
// answer from that parse. Section and key names match without regard to ASCII case, the first
// match wins, blanks around names and values are trimmed, values stay bytes as written.
// A write changes only what it must, replaces the file atomically at once and updates the
// parse. Nothing is kept between opens. Anything in the file's place that is not a regular file
// of sensible size reads as empty and is never replaced. The content checker hears of every line
// that is neither a section header, a key, a comment nor blank, unless told not to.
class ProfileFile {
public:
    explicit ProfileFile(QString path, TFolderOwner owner = TFolderOwner::Content,
                         TMeaninglessLines meaningless = TMeaninglessLines::Told);
    // Its names are views of its own bytes, which a copy or a move would leave behind.
    ProfileFile(const ProfileFile&) = delete;
    ProfileFile& operator=(const ProfileFile&) = delete;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue,
                    IntegerForm form = IntegerForm::Decimal) const;

    // All of them in one replacement of the file, or none: false when the file could not be
    // replaced; the file then stays as it was and LastError() says why.
    [[nodiscard]] bool WriteIntegers(std::span<const TProfileInteger> values);

    QString LastError() const { return lastError_; }

    const QString& Path() const { return path_; }
    // Whether there is a file at the path at all; a missing file reads as empty.
    bool Exists() const { return exists_; }
    // For a file the content must have: the content checker hears when it is not there.
    void ReportIfMissing() const;
    bool HasSection(std::string_view section) const;
    bool Has(std::string_view section, std::string_view key) const
    {
        return FindKey(section, key) != nullptr;
    }
    // Where a key is, for a reader telling the content checker about its value: "[section] key,
    // line n", without the line when the key is not there.
    QString Place(std::string_view section, std::string_view key) const;
    // The comment written on the line just above a key: why its value is what it is.
    QString Remark(std::string_view section, std::string_view key) const;

private:
    struct Key {
        std::string_view name;
        size_t valueBegin; // byte offsets of the trimmed value
        size_t valueEnd;
        size_t lineEnd;          // offset just past the line and its line end
        int line;                // counted from 1
        std::string_view remark; // the comment on the line just above, if any
    };
    // A section's keys are the run keys_[firstKey, keyEnd): a section's lines are together.
    struct Section {
        std::string_view name;
        size_t firstKey;
        size_t keyEnd;
        size_t lastLineEnd; // where a new key of this section goes
    };

    void Parse();
    // One line, blanks trimmed, ending at lineEnd.
    void ParseLine(std::string_view content, size_t lineEnd, int lineNumber);
    void ReportLine(int line, const QString& what) const;
    const Key* FindKey(std::string_view section, std::string_view key) const;
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
    std::string Edited(std::string_view section, std::string_view key,
                       std::string_view value) const;
    std::string_view LineBreak() const;
    bool Replace(std::string bytes);

    QString path_;
    TFolderOwner owner_;
    TMeaninglessLines meaningless_;
    bool exists_ = false;
    bool unreadable_ = false; // exists but could not be read: never overwrite it
    std::string bytes_;
    std::vector<Key> keys_;
    std::string_view lastComment_; // while parsing: the comment of the line before
    std::vector<Section> sections_;
    // Section names, as views of bytes_, without regard to ASCII case.
    struct TNameHash {
        using is_transparent = void;
        size_t operator()(std::string_view name) const;
    };
    struct TSameName {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    std::unordered_map<std::string_view, size_t, TNameHash, TSameName> firstSection_; // -> section
    QString lastError_;
};
