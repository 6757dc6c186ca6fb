#include "PageDialogs.h"

#include "UserActivation.h"

#include <QEventLoop>
#include <QInputDialog>
#include <QMessageBox>
#include <QWidget>

namespace {

// A third box in a row without a press is one a page forces on the user.
constexpr unsigned kBoxesInARow = 2;
// Open boxes of every page: a page's box waits for none of them, it is refused.
int openBoxes = 0;

const QString& Title()
{
    static const QString title = QStringLiteral("Velmora");
    return title;
}

QMessageBox* MessageBox(QWidget& parent, const QString& text, QMessageBox::StandardButtons buttons)
{
    auto* box = new QMessageBox(QMessageBox::Information, Title(), text, buttons, &parent);
    // Plain text: a page's words never become markup in the viewer's own box.
    box->setTextFormat(Qt::PlainText);
    return box;
}

} // namespace

TPageDialogs::~TPageDialogs()
{
    Dismiss();
}

void TPageDialogs::Alert(const QString& text)
{
    if (MayShow())
        Run(MessageBox(window_, text, QMessageBox::Ok));
}

bool TPageDialogs::Confirm(const QString& text)
{
    if (!MayShow())
        return false;
    const QPointer<QMessageBox> box =
        MessageBox(window_, text, QMessageBox::Ok | QMessageBox::Cancel);
    Run(box);
    return box && box->buttonRole(box->clickedButton()) == QMessageBox::AcceptRole;
}

std::optional<QString> TPageDialogs::Prompt(const QString& text, const QString& defaultValue)
{
    if (!MayShow())
        return std::nullopt;
    auto* box = new QInputDialog(&window_);
    box->setWindowTitle(Title());
    box->setLabelText(text);
    box->setTextValue(defaultValue);
    const QPointer<QInputDialog> answered(box);
    Run(box);
    if (!answered || answered->result() != QDialog::Accepted)
        return std::nullopt;
    return answered->textValue();
}

void TPageDialogs::Dismiss()
{
    if (open_)
        open_->reject();
}

bool TPageDialogs::MayShow()
{
    if (input_.Presses() != pressesAtLastBox_)
        shownInARow_ = 0;
    if (openBoxes > 0 || shownInARow_ >= kBoxesInARow || !window_.isVisible())
        return false;
    ++shownInARow_;
    pressesAtLastBox_ = input_.Presses();
    return true;
}

void TPageDialogs::Run(QDialog* box)
{
    open_ = box;
    ++openBoxes;
    QEventLoop answered;
    QObject::connect(box, &QDialog::finished, &answered, &QEventLoop::quit);
    QObject::connect(box, &QObject::destroyed, &answered, &QEventLoop::quit);
    // Not modal: the page waits for its answer, the user's other windows do not.
    box->setWindowModality(Qt::NonModal);
    box->show();
    // The keys answer it at once, as the box of a browser's page.
    box->raise();
    box->activateWindow();
    answered.exec();
    --openBoxes;
    // It goes once its answer has been read.
    if (open_)
        open_->deleteLater();
}
