#pragma once

#include "TVelmoraData.h"
#include "Win1251.h"

// Works for catalogue tests, written in UTF-8 and kept as the Windows-1251 the catalogue holds.
inline TVelmoraData Work(std::string_view fileName, std::string_view name)
{
    TVelmoraData work;
    work.FileName = fileName;
    work.Name = Win1251::FromUtf8(name);
    return work;
}

inline std::vector<std::string> FileNames(const TVelmoraDataArray& works)
{
    std::vector<std::string> names;
    for (const TVelmoraData& work : works)
        names.push_back(work.FileName);
    return names;
}
