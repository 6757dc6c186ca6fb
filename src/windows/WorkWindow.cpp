#include "WorkWindow.h"

#include "ContentPath.h"
#include "FontInstaller.h"
#include "JpegPicture.h"
#include "Win1251.h"
#include "WindowLayout.h"

#include <QFont>

#include <algorithm>

namespace {

constexpr QPoint kTitlePlace(37, 7);
constexpr int kTitlePointSize = 13;

} // namespace

TBrowserWindowSetup WorkBrowserSetup(QRect browserGeometry, std::string_view scrollSection,
                                     std::optional<TContextTarget> contextTarget)
{
    // The large picture window lays the work page out as the work window does.
    return {
        .Panes = {{
            .BrowserGeometry = browserGeometry,
            .ScrollSection = scrollSection,
            .BarKind = TScrollBarKind::Standard,
            .BrowserWidth = WindowLayout::kWorkBrowser.width(),
            .ContextTarget = contextTarget,
        }},
        .PageCommands = contextTarget.has_value(),
        .PopUpOnPress = TPopUpOnPress::Keep,
    };
}

TWorkWindow::TWorkWindow(const TBrowserHost& host, const TWorkWindowSetup& setup)
    : TBrowserWindow(host, setup.Window), OwnButtons(*this, host.Skin), workSetup_(setup)
{
    for (const std::string_view section : setup.OwnButtons)
        OwnButtons.AddButton(section, ButtonKind::Push);
    NavigatePlaceholder();
}

void OpenWork(TWorkWindow* window, int index)
{
    if (!window || !window->InSelection(index))
        return;
    window->ShowOnTop();
    window->ShowWork(index);
}

void OpenWorkOf(TWorkWindow* window, const TWorkWindow& shown)
{
    if (!window || !shown.ShownWork())
        return;
    window->ShowOnTop();
    window->ShowWorkOf(shown);
}

bool TWorkWindow::InSelection(int index) const
{
    return index >= 0 && size_t(index) < Host().Selection.size();
}

const TVelmoraData* TWorkWindow::ShownWork() const
{
    return set_.empty() ? nullptr : &set_[size_t(CurrentIndex)];
}

void TWorkWindow::ShowWork(int index)
{
    if (!InSelection(index))
        return;
    set_ = Host().Selection;
    CurrentIndex = index;
    WorkChanged();
}

void TWorkWindow::ShowWorkOf(const TWorkWindow& other)
{
    if (!other.ShownWork())
        return;
    set_ = other.set_;
    CurrentIndex = other.CurrentIndex;
    WorkChanged();
}

void TWorkWindow::Step(TWorkStep step)
{
    if (set_.empty())
        return;
    FollowSelection();
    const int count = int(set_.size());
    const int offset = step == TWorkStep::Next ? 1 : count - 1;
    CurrentIndex = (CurrentIndex + offset) % count;
    WorkChanged();
}

// Where the shown work stands in a result that replaced the set, its steps go on from there.
void TWorkWindow::FollowSelection()
{
    const TVelmoraDataArray& selection = Host().Selection;
    const auto found = std::ranges::find(selection, ShownWork()->FileName, &TVelmoraData::FileName);
    if (found == selection.end())
        return;
    CurrentIndex = int(found - selection.begin());
    set_ = selection;
}

// An open partner shows the work too; one that already shows it keeps its page as it stands.
void TWorkWindow::WorkChanged()
{
    LoadWork();
    TWorkWindow* partner = Partner();
    if (!partner || !partner->isVisible())
        return;
    const bool sameWork =
        partner->ShownWork() && partner->ShownWork()->FileName == ShownWork()->FileName;
    partner->set_ = set_;
    partner->CurrentIndex = CurrentIndex;
    if (!sameWork)
        partner->LoadWork();
}

void TWorkWindow::LoadWork()
{
    const QString stem = Win1251::ToUnicode(ShownWork()->FileName);
    WorkPicture = QImage();
    const QString picture = QStringView(workSetup_.PictureFolder).toString() + stem + ".jpg";
    LoadJpegBitmap(ContentPath::Join(ContentDir(), picture), WorkPicture);
    if (workSetup_.LoadsWorkPage)
        Browser().Navigate(ContentPath::Join(ContentDir(), "\\html\\" + stem + ".htm"));
    Invalidate();
}

// The title goes first, so a long one is covered where the picture lies.
void TWorkWindow::PaintLayers(QPainter& canvas)
{
    OwnButtons.Draw(canvas);
    if (const TVelmoraData* work = ShownWork()) {
        QFont font(kTitleFontFamily.toString());
        font.setPointSize(kTitlePointSize);
        canvas.setFont(font);
        canvas.setPen(Qt::white);
        // The place is the text's top left corner, not its baseline.
        canvas.drawText(QRect(kTitlePlace, size()), Qt::AlignLeft | Qt::AlignTop,
                        Win1251::ToUnicode(work->Name));
    }
    canvas.drawImage(workSetup_.PictureRect, WorkPicture);
}
