#pragma once

#include <string>
#include <string_view>

// Builds the text of an INI file in order, with CR LF line ends. Values are UTF-8 here and
// Windows-1251 in the file.
class IniText {
public:
    void Section(std::string_view name);
    void Key(std::string_view name, std::string_view value);
    void Key(std::string_view name, int value);
    void Comment(std::string_view text);
    const std::string& Utf8() const { return text_; }

private:
    std::string text_;
};
