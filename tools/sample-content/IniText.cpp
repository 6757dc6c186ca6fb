#include "IniText.h"

void IniText::Section(std::string_view name)
{
    if (!text_.empty())
        text_ += "\r\n";
    text_ += '[';
    text_ += name;
    text_ += "]\r\n";
}

void IniText::Key(std::string_view name, std::string_view value)
{
    text_ += name;
    text_ += '=';
    text_ += value;
    text_ += "\r\n";
}

void IniText::Comment(std::string_view text)
{
    text_ += "; ";
    text_ += text;
    text_ += "\r\n";
}

void IniText::Key(std::string_view name, int value)
{
    Key(name, std::to_string(value));
}
