#include "Skin.h"

#include "ContentPath.h"

namespace {

const QString kButtonsFile = QStringLiteral("buttons.ini");
const QString kScrollsFile = QStringLiteral("scrolls.ini");

// The section read before under name, else the one read now and kept.
template <typename TSection, typename TRead>
const TSection& Cached(std::map<std::string, TSection, std::less<>>& sections,
                       std::string_view name, TRead read)
{
    if (const auto found = sections.find(name); found != sections.end())
        return found->second;
    return sections.emplace(std::string(name), read()).first->second;
}

} // namespace

TSkin::TSkin(QString contentDir)
    : contentDir_(std::move(contentDir)), buttons_(ContentPath::Join(contentDir_, kButtonsFile)),
      scrolls_(ContentPath::Join(contentDir_, kScrollsFile))
{
}

const TButtonSection& TSkin::Button(std::string_view section) const
{
    return Cached(buttonSections_, section,
                  [&] { return SkinSection::ReadButton(buttons_, section, PictureSource()); });
}

const TScrollSection& TSkin::Scroll(std::string_view section) const
{
    return Cached(scrollSections_, section,
                  [&] { return SkinSection::ReadScroll(scrolls_, section, PictureSource()); });
}

SkinSection::TPictureSource TSkin::PictureSource() const
{
    return [this](const QString& relativePath) { return Picture(relativePath); };
}

TSkinPicture TSkin::Picture(QStringView relativePath) const
{
    const QString path = ContentPath::Join(contentDir_, relativePath);
    if (const auto read = pictures_.find(path); read != pictures_.end())
        return read->second;
    return pictures_.emplace(path, TSkinPicture(path)).first->second;
}

void TSkin::DecodeEveryPicture() const
{
    for (const auto& [path, picture] : pictures_)
        (void)picture.Pixels();
}
