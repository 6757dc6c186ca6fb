#include "WorkWindow.h"

#include "ContentPath.h"
#include "FontInstaller.h"
#include "Win1251.h"
#include "WindowLayout.h"
#include "uFunctions.h"

#include <QFont>

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
        .HidesContextOnPress = false,
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

bool TWorkWindow::InSelection(int index) const
{
    return index >= 0 && size_t(index) < Host().Selection.size();
}

void TWorkWindow::ShowWork(int index)
{
    if (!InSelection(index))
        return;
    CurrentIndex = index;
    ShownWork = Host().Selection[size_t(index)];
    const QString stem = Win1251::ToUnicode(ShownWork->FileName);
    WorkPicture = QImage();
    const QString picture = QStringView(workSetup_.PictureFolder).toString() + stem + ".jpg";
    LoadJpegBitmap(ContentPath::Join(ContentDir(), picture), WorkPicture);
    if (workSetup_.LoadsWorkPage)
        Browser().Navigate(ContentPath::Join(ContentDir(), "\\html\\" + stem + ".htm"));
}

std::optional<int> TWorkWindow::PreviousIndex() const
{
    const int count = int(Host().Selection.size());
    if (count == 0)
        return std::nullopt;
    const int previous = CurrentIndex - 1;
    return previous < 0 || previous >= count ? count - 1 : previous;
}

std::optional<int> TWorkWindow::NextIndex() const
{
    const int count = int(Host().Selection.size());
    if (count == 0)
        return std::nullopt;
    const int next = CurrentIndex + 1;
    return next >= count ? 0 : next;
}

// The title goes first, so a long one is covered where the picture lies.
void TWorkWindow::PaintLayers(QPainter& canvas)
{
    OwnButtons.Draw(canvas);
    if (ShownWork) {
        QFont font(kTitleFontFamily.toString());
        font.setPointSize(kTitlePointSize);
        canvas.setFont(font);
        canvas.setPen(Qt::white);
        // The place is the text's top left corner, not its baseline.
        canvas.drawText(QRect(kTitlePlace, size()), Qt::AlignLeft | Qt::AlignTop,
                        Win1251::ToUnicode(ShownWork->Name));
    }
    canvas.drawImage(workSetup_.PictureRect, WorkPicture);
}
