#pragma once

#include "SkinnedWindow.h"
#include "uMainMenu.h"
#include "uMoveForm.h"

#include <QDialog>
#include <QImage>

// The one modal question of the program, asked in its own picture with "no" and "yes":
// leaving the program (kind 0) or letting a page open a new browser window (kind 1). The user
// may drag it around the screen. exec() answers 1 for "yes" and 2 for "no". Enter answers "yes"
// and Escape "no" whatever the pictures, so a broken skin never leaves the user without a way out;
// Enter on a button the focus mark is on presses that one. It opens with the mark on "yes", its
// default, as a desktop's questions do.
class TfChMessage : public TSkinnedWindowOf<QDialog> {
public:
    enum TMessageKind { CloseMessage = 0, WebMessage = 1 };
    enum TAnswer { Yes = 1, No = 2 };

    // Loads the question's picture and settings. Returns whether to ask at all; remembered
    // gets the stored answer (0 once "yes" was given).
    int Prepare(TMessageKind kind, int& remembered);
    // The web site a link question is about, named under the question; none for the others.
    void NameSite(const QString& host);

protected:
    // The question's pictures and buttons come from skin, which outlives it; its switches are
    // kept in the settings of skin's content folder.
    TfChMessage(TTickSource& ticks, const TSkin& skin);

    void FormPaint(QPainter& canvas) override;
    void FormShow() override;
    void DescribeControls(TAccessibleControls& controls) override;
    void FormMouseDown(Qt::MouseButton button, QPoint point) override;
    void FormMouseMove(QPoint point) override;
    void FormMouseUp(Qt::MouseButton button, QPoint point) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Ends the question; "yes" is remembered.
    void Answer(TAnswer answer);
    void LoadBackground(QStringView relativePath);
    void DrawSite(QPainter& canvas) const;

    const TSkin& skin_;
    TSkinPicture Background;
    TMainMenuEx ButtonGroup;
    TMoveForm Mover;
    TMessageKind MessageKind = CloseMessage;
    QString Site; // the host a link leads to, for the link question
    int AskFlag = 1;
};
