#include "uChContext.h"

#include "ContentPath.h"
#include "Windows.h"
#include "uChHtmlViewInfo1.h"
#include "uFunctions.h"
#include "uMain.h"

TfChContext::TfChContext()
{
    // A tool window: on top, no frame, and it never takes the mouse away from the program.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(170, 98);
    Guarded([this] { FormCreate(); });
}

void TfChContext::FormCreate()
{
    Chosen = -1;
    ButtonGroup.emplace(*this, fMain->ContentDir);
    for (const std::string_view section : {"context_save", "context_print", "context_copy"})
        ButtonGroup->AddButton("buttons.ini", section, ButtonState::Up, false, ButtonKind::Push);
    LoadJpegBitmap(ContentPath::Join(fMain->ContentDir, u"\\design\\windows\\context\\fon.jpg"),
                   Background);
    Surface = Background;
}

TBrowserWindow* TfChContext::Target() const
{
    switch (TargetCode) {
    case InformationTarget:
        return fChHtmlViewInfo1;
    default:
        return nullptr;
    }
}

void TfChContext::FormPaint(QPainter& canvas)
{
    Compose(canvas, Surface, Background, [this](QPainter& composer) {
        if (ButtonGroup)
            ButtonGroup->Draw(composer);
    });
}

void TfChContext::FormMouseDown(Qt::MouseButton, QPoint point)
{
    if (!ButtonGroup)
        return;
    ButtonGroup->MouseDown(point);
    Chosen = ButtonGroup->FindButtonAt(point);
    // The pop-up goes before the command runs: a save or print dialog must not sit under it.
    hide();
    if (TBrowserWindow* target = Target())
        target->PageCommand(Chosen);
    Invalidate();
}

void TfChContext::FormMouseMove(QPoint point)
{
    if (ButtonGroup)
        ButtonGroup->MouseMove(point);
    Invalidate();
}

void TfChContext::FormMouseUp(Qt::MouseButton, QPoint point)
{
    if (ButtonGroup)
        ButtonGroup->MouseUp(point);
    Invalidate();
}
