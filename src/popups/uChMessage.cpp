#include "uChMessage.h"

#include "Placement.h"
#include "SettingsFile.h"
#include "SkinNames.h"
#include "WindowLayout.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr QSize kSize = WindowLayout::kMessage;
// Under the question in the link picture, above the buttons.
constexpr QRect kSiteArea(130, 150, 350, 36);
constexpr int kSitePixelSize = 16;
constexpr QRgb kSiteColour = qRgb(0x6B, 0x1A, 0x2E);
constexpr std::string_view kSection = "MESSAGES";

// What each question reads and writes, by kind, and whose settings keep its switches. Whether a
// page may open a web site unasked is the user's consent: a switch a catalogue shipped never
// gives it.
struct TQuestion {
    std::u16string_view Picture;
    std::string_view AskKey;
    std::string_view AnswerKey;
    TFolderOwner Keeper;
};
constexpr TQuestion kQuestions[] = {
    {SkinNames::kCloseQuestion, "showclosemessage", "ShowCloseMessage_yn", TFolderOwner::Content},
    {SkinNames::kLinkQuestion, "showwebmessage", "ShowWebMessage_yn", TFolderOwner::User},
};

QString SettingsFolder(const TQuestion& question, const QString& contentDir)
{
    return question.Keeper == TFolderOwner::User ? UserSettingsDir() : contentDir;
}

enum TButtonIndex { NoButton = 0, YesButton = 1 };

} // namespace

TfChMessage::TfChMessage(TTickSource& ticks, const TSkin& skin)
    : TSkinnedWindowOf<QDialog>(ticks), skin_(skin), ButtonGroup(*this, skin), Mover(*this, nullptr)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Velmora"));
    setModal(true);
    setFixedSize(kSize);
    move(CentredOnDesktop(ScreenSize(), size()));
    LoadBackground(kQuestions[CloseMessage].Picture);
    for (const std::string_view section : SkinNames::kQuestionButtons)
        ButtonGroup.AddButton(section, ButtonKind::Push);
}

void TfChMessage::LoadBackground(QStringView relativePath)
{
    Background = skin_.Picture(relativePath);
}

int TfChMessage::Prepare(TMessageKind kind, int& remembered)
{
    MessageKind = kind;
    Site.clear();
    setAccessibleDescription(QString());
    const TQuestion& question = kQuestions[MessageKind];
    const ProfileFile settings =
        OpenSettings(SettingsFolder(question, skin_.ContentDir()), question.Keeper);
    AskFlag = settings.ReadInteger(kSection, question.AskKey, 1);
    remembered = settings.ReadInteger(kSection, question.AnswerKey, 1);
    LoadBackground(question.Picture);
    Invalidate();
    return AskFlag;
}

void TfChMessage::NameSite(const QString& host)
{
    Site = host;
    // A screen reader names the site too.
    setAccessibleDescription(host);
    Invalidate();
}

void TfChMessage::FormPaint(QPainter& canvas)
{
    Compose(canvas, Background.Pixels(), [this](QPainter& composer) {
        DrawSite(composer);
        ButtonGroup.Draw(composer);
    });
}

// The picture asks whether to open "this link": the user reads which site it is before
// answering.
void TfChMessage::DrawSite(QPainter& canvas) const
{
    if (Site.isEmpty())
        return;
    QFont font = canvas.font();
    font.setPixelSize(kSitePixelSize);
    font.setBold(true);
    canvas.setFont(font);
    canvas.setPen(QColor(kSiteColour));
    const QString shown = QFontMetrics(font).elidedText(Site, Qt::ElideMiddle, kSiteArea.width());
    canvas.drawText(kSiteArea, Qt::AlignLeft | Qt::AlignVCenter, shown);
}

void TfChMessage::FormShow()
{
    Keyboard().Put(Controls(), &ButtonGroup.Buttons()[YesButton]);
}

void TfChMessage::FormMouseDown(Qt::MouseButton, QPoint point)
{
    ButtonGroup.MouseDown(point);
    if (ButtonGroup.FindButtonAt(point) == -1)
        Mover.MouseDown(point);
    Invalidate();
}

void TfChMessage::FormMouseMove(QPoint point)
{
    Tag = TPressTag::Free;
    SetPointer(Qt::ArrowCursor);
    ButtonGroup.MouseMove(point);
    if (Mover.IsMoving()) {
        Mover.MouseMove(point);
        return;
    }
    // No button hint is ever shown on the question.
    SetHintsOn(false);
    Invalidate();
}

void TfChMessage::FormMouseUp(Qt::MouseButton, QPoint point)
{
    Mover.MouseUp(point);
    ButtonGroup.MouseUp(point);
    switch (ButtonGroup.FindButtonAt(point)) {
    case NoButton:
        Answer(No);
        break;
    case YesButton:
        Answer(Yes);
        break;
    default:
        break;
    }
    Invalidate();
}

void TfChMessage::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The button under the focus mark answers; without a mark, "yes" does.
        if (FocusedControl())
            TSkinnedWindowOf<QDialog>::keyPressEvent(event);
        else
            Guarded([this] { Answer(Yes); });
        break;
    case Qt::Key_Escape:
        Guarded([this] { Answer(No); });
        break;
    default:
        TSkinnedWindowOf<QDialog>::keyPressEvent(event);
        break;
    }
}

void TfChMessage::Answer(TAnswer answer)
{
    done(answer);
    if (answer == Yes) {
        const TQuestion& question = kQuestions[MessageKind];
        const TProfileInteger remembered{std::string(kSection), std::string(question.AnswerKey), 0};
        WriteSettings(SettingsFolder(question, skin_.ContentDir()), {&remembered, 1},
                      question.Keeper);
    }
}

void TfChMessage::DescribeControls(TAccessibleControls& controls)
{
    DescribeButtons(controls, ButtonGroup);
}
