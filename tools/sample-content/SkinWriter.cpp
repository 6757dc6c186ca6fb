#include "SkinWriter.h"

#include "ButtonPainter.h"
#include "Canvas.h"
#include "ContentFolder.h"
#include "DecorPainter.h"
#include "FramePainter.h"
#include "IniText.h"
#include "MainWindowPainter.h"
#include "SkinLayout.h"
#include "SkinNames.h"
#include "WindowLayout.h"

#include <QPainter>

#include <map>

namespace SkinWriter {
namespace {

struct TFramePicture {
    TFrame Frame;
    std::u16string_view Path;
};

constexpr std::array<TFramePicture, 5> kFramePictures = {{
    {TFrame::Catalogue, SkinNames::kCatalogueFrame},
    {TFrame::LargePicture, SkinNames::kLargePictureFrame},
    {TFrame::WorkPage, SkinNames::kWorkPageFrame},
    {TFrame::About, SkinNames::kAboutFrame},
    {TFrame::Search, SkinNames::kSearchFrame},
}};

QString Relative(const std::string& path)
{
    return QString::fromStdString(path);
}

// What each surface looks like, whole; buttons cut their underlay from it.
std::map<TSurface, QImage> Surfaces(const std::map<TFrame, QImage>& frames, const QImage& main)
{
    QImage catalogueWithPanel = frames.at(TFrame::Catalogue);
    {
        QPainter p(&catalogueWithPanel);
        p.drawImage(WindowLayout::kFilterPanelPlace, DecorPainter::FilterPanel());
    }
    const QImage track = DecorPainter::Track(SkinLayout::Scrolls().front().Bounds.size());
    return {
        {TSurface::Catalogue, frames.at(TFrame::Catalogue)},
        {TSurface::FilterPanel, catalogueWithPanel},
        {TSurface::WorkPage, frames.at(TFrame::WorkPage)},
        {TSurface::LargePicture, frames.at(TFrame::LargePicture)},
        {TSurface::SearchFrame, frames.at(TFrame::Search)},
        {TSurface::Main, main},
        {TSurface::Message, DecorPainter::Question(QString(), QString())},
        {TSurface::Context, DecorPainter::ContextBackground()},
        {TSurface::Track, track},
        {TSurface::CompactTrack, track},
    };
}

void AddButtonSection(IniText& ini, std::string_view section, const QRect& bounds,
                      std::string_view title)
{
    ini.Section(section);
    for (size_t state = 0; state < SkinLayout::kStateKeys.size(); ++state)
        ini.Key(SkinLayout::kStateKeys[state], SkinLayout::PicturePath(section, state));
    ini.Key("title", title);
    ini.Key("bnd_x", bounds.x());
    ini.Key("bnd_y", bounds.y());
    ini.Key("bnd_w", bounds.width());
    ini.Key("bnd_h", bounds.height());
}

void WriteButtons(ContentFolder& folder, const std::map<TSurface, QImage>& surfaces, IniText& ini)
{
    for (const TButtonLayout& button : SkinLayout::Buttons()) {
        const QImage& surface = surfaces.at(button.Surface);
        const QImage underlay = Canvas::Part(surface, button.Bounds);
        for (size_t state = 0; state < SkinLayout::kStateKeys.size(); ++state)
            folder.WriteJpeg(Relative(SkinLayout::PicturePath(button.Section, state)),
                             ButtonPainter::Paint(button, state, underlay));
        AddButtonSection(ini, button.Section, button.Bounds, button.Title);
    }
}

void WriteSigns(ContentFolder& folder, const QImage& main, IniText& ini)
{
    MainWindowPainter::TSignScene scene(main);
    for (const TSignLayout& sign : SkinLayout::Signs()) {
        for (size_t state = 0; state < SkinLayout::kStateKeys.size(); ++state)
            folder.WriteJpeg(Relative(SkinLayout::PicturePath(sign.Shape.Section, state)),
                             scene.Picture(sign, state));
        scene.Settle(sign);
        AddButtonSection(ini, sign.Shape.Section, SkinLayout::BoundsOf(sign), sign.Title);
    }
}

void WriteScrolls(ContentFolder& folder)
{
    IniText ini;
    for (const TScrollLayout& scroll : SkinLayout::Scrolls()) {
        ini.Section(scroll.Section);
        ini.Key("button_up", scroll.Up);
        ini.Key("button_down", scroll.Down);
        ini.Key("button_polzunok", scroll.Thumb);
        ini.Key("bg", SkinLayout::TrackPath(scroll.Section));
        ini.Key("bnd_x", scroll.Bounds.x());
        ini.Key("bnd_y", scroll.Bounds.y());
        ini.Key("bnd_w", scroll.Bounds.width());
        ini.Key("bnd_h", scroll.Bounds.height());
        folder.WriteJpeg(Relative(SkinLayout::TrackPath(scroll.Section)),
                         DecorPainter::Track(scroll.Bounds.size()));
    }
    folder.WriteText(u"scrolls.ini", ini.Utf8());
}

void WriteDecor(ContentFolder& folder, const QImage& searchFrame)
{
    const QImage splash = DecorPainter::SplashBackground();
    folder.WriteJpeg(SkinNames::kSplashBackground, splash);
    folder.WriteJpeg(SkinNames::kSplashBar, DecorPainter::SplashBar(splash));
    folder.WriteJpeg(SkinNames::kCloseQuestion,
                     DecorPainter::Question(QStringLiteral("Leave Velmora?"),
                                            QStringLiteral("The catalogue closes. Your filters "
                                                           "are kept for the next visit.")));
    folder.WriteJpeg(SkinNames::kLinkQuestion,
                     DecorPainter::Question(
                         QStringLiteral("Open this link in your web browser?"),
                         QStringLiteral("It leaves the catalogue and opens outside Velmora.")));
    folder.WriteJpeg(SkinNames::kContextBackground, DecorPainter::ContextBackground());
    folder.WriteJpeg(SkinNames::kFilterPanel, DecorPainter::FilterPanel());
    const QImage band = Canvas::Part(
        searchFrame, QRect(WindowLayout::kSearchHeadingPlace, SkinLayout::kSearchHeadingSize));
    folder.WriteJpeg(SkinNames::kCardsHeading,
                     DecorPainter::SearchHeading(band, QStringLiteral("Search \u00B7 pictures")));
    folder.WriteJpeg(SkinNames::kTextHeading,
                     DecorPainter::SearchHeading(band, QStringLiteral("Search \u00B7 list")));
    folder.WriteJpeg(u"design\\windows\\childs\\images\\bg_s.jpg",
                     DecorPainter::ResultPageBackground());
    folder.WriteJpeg(u"design\\windows\\childs\\images\\bg_sh.jpg",
                     DecorPainter::HistoryPageBackground());
    for (int level = 1; level <= 3; ++level)
        folder.WriteJpeg(QStringLiteral("html\\img\\difficulty_small_%1.jpg").arg(level),
                         DecorPainter::ComplexityIcon(level));
    folder.WriteJpeg(u"html\\img\\time_small.jpg", DecorPainter::TimeIcon());
}

} // namespace

void Write(ContentFolder& folder)
{
    std::map<TFrame, QImage> frames;
    for (const TFramePicture& picture : kFramePictures) {
        frames[picture.Frame] = FramePainter::Paint(picture.Frame);
        folder.WriteJpeg(picture.Path, frames[picture.Frame]);
    }
    const QImage main = MainWindowPainter::PaintBackground();
    folder.WriteJpeg(SkinNames::kMainBackground, main);

    IniText buttons;
    WriteButtons(folder, Surfaces(frames, main), buttons);
    WriteSigns(folder, main, buttons);
    folder.WriteText(u"buttons.ini", buttons.Utf8());
    WriteScrolls(folder);
    WriteDecor(folder, frames.at(TFrame::Search));
}

} // namespace SkinWriter
