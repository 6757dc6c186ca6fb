#pragma once

#include "ProfileFile.h"
#include "SkinPicture.h"
#include "SkinSection.h"

#include <QString>

#include <map>
#include <string>
#include <string_view>

// The skin of one content folder, made once at start-up and handed to every window and
// control: "buttons.ini" and "scrolls.ini" are each read once, a section is read the first time
// a control asks for it, and each picture file is checked once and its pixels decoded once,
// whoever shows it.
class TSkin {
public:
    explicit TSkin(QString contentDir);
    TSkin(const TSkin&) = delete;
    TSkin& operator=(const TSkin&) = delete;

    const QString& ContentDir() const { return contentDir_; }
    const TButtonSection& Button(std::string_view section) const;
    const TScrollSection& Scroll(std::string_view section) const;
    // A picture of the content by its path relative to the folder ("\design\...\fon.jpg").
    TSkinPicture Picture(QStringView relativePath) const;
    // Decodes every picture asked for so far, so that a fault in one is reported now, not when
    // it is first drawn: for the content checker.
    void DecodeEveryPicture() const;

private:
    SkinSection::TPictureSource PictureSource() const;

    const QString contentDir_;
    const ProfileFile buttons_;
    const ProfileFile scrolls_;
    // Filled as controls ask; what one gets stays where it is, as a map's entries do.
    mutable std::map<std::string, TButtonSection, std::less<>> buttonSections_;
    mutable std::map<std::string, TScrollSection, std::less<>> scrollSections_;
    mutable std::map<QString, TSkinPicture> pictures_;
};
