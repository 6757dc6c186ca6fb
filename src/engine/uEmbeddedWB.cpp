#include "uEmbeddedWB.h"

#include "ContentScheme.h"
#include "EngineProfile.h"
#include "LocalOnlyRequests.h"
#include "OwnScrollingBlocker.h"
#include "PagePrinter.h"
#include "PageScripts.h"
#include "PageSource.h"
#include "UserActivation.h"
#include "Win1251.h"
#include "uEmbeddedWBPage.h"

#include <QDate>
#include <QLocale>
#include <QPointer>
#include <QPrinter>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <optional>

namespace {

// Farther left than any window is wide: a view there shows in no part of its window.
constexpr int kBeyondTheWindowX = -32768;

} // namespace

struct TEmbeddedWB::TState {
    // The view is the window's child; the page is ours and goes before the shared profile.
    std::unique_ptr<TPage> page;
    QPointer<QWebEngineView> view;
    // The window the browser stands in: the page runs while it is shown.
    QWidget* window = nullptr;
    // The user's presses in the view: what lets a page open an address outside.
    TUserActivation* activation = nullptr;
    // The view's place in its window while nothing covers it.
    QPoint place;
    bool hasDocument = false;
    QUrl loadedUrl; // of the last load that completed
    bool shown = false;
    bool covered = false;
    // The text of the last WritePage until the next page load ends.
    std::optional<QByteArray> writtenPage;
    // What the page settled with; its own title, though the document carries its window's.
    PageScripts::TSettledPage settled;
    // The engine answers pending scripts while its page is deleted: nobody may hear them then,
    // nor once the window has let the browser go.
    bool closing = false;
};

TEmbeddedWB::TEmbeddedWB(QWidget& parent, QRect geometry) : state_(std::make_unique<TState>())
{
    auto* view = new QWebEngineView(&parent);
    state_->view = view;
    state_->window = &parent;
    state_->activation = new TUserActivation(*view);
    MakePage();
    view->setGeometry(geometry);
    state_->place = geometry.topLeft();
    view->hide();
    view->setAcceptDrops(false);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    new TOwnScrollingBlocker(*view);

    connect(view, &QWidget::customContextMenuRequested, this, [this](QPoint point) {
        if (ShowContextMenu && state_->view)
            ShowContextMenu(state_->view->mapToGlobal(point));
    });
}

void TEmbeddedWB::MakePage()
{
    state_->page =
        std::make_unique<TPage>(*this, EngineProfile(), *state_->window, *state_->activation);
    TPage* page = state_->page.get();
    state_->view->setPage(page);
    // Left unanswered, the request is refused; a window the user asked for by their own press
    // is opened outside the program by the handler's owner.
    connect(page, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest& request) {
                if (NewWindow && request.isUserInitiated() && state_->activation->Consume())
                    NewWindow(ContentScheme::FileAddress(request.requestedUrl()));
            });
    connect(page, &QWebEnginePage::loadingChanged, this, &TEmbeddedWB::LoadingChanged);
    connect(page, &QWebEnginePage::scrollPositionChanged, this, [this](QPointF position) {
        if (Scrolled)
            Scrolled(qRound(position.y()));
    });
}

TEmbeddedWB::~TEmbeddedWB()
{
    Disconnect();
    delete state_->view;
    state_->page.reset();
}

void TEmbeddedWB::Disconnect()
{
    state_->closing = true;
    BeforeNavigate = nullptr;
    NewWindow = nullptr;
    DocumentComplete = nullptr;
    ShowContextMenu = nullptr;
    Scrolled = nullptr;
}

bool TEmbeddedWB::AllowNavigation(const QUrl& url, bool isMainFrame, bool clicked)
{
    // Any other address would reach the system's handler of its scheme (mail, ssh, ...) with
    // no question asked; a link the user clicked is the window's to offer outside. A script
    // that sets the address or clicks a link itself makes no press of the user's.
    if (!IsPageAddress(url)) {
        if (isMainFrame && clicked && NewWindow && state_->activation->Consume())
            NewWindow(url);
        return false;
    }
    // A frame's links to the program are the page's own.
    return !(BeforeNavigate && BeforeNavigate(ContentScheme::FileAddress(url)));
}

void TEmbeddedWB::LoadingChanged(const QWebEngineLoadingInfo& info)
{
    // A start, or a stop of a navigation that was cancelled or replaced, completes nothing.
    if (info.status() != QWebEngineLoadingInfo::LoadSucceededStatus &&
        info.status() != QWebEngineLoadingInfo::LoadFailedStatus)
        return;
    state_->hasDocument = true;
    state_->loadedUrl = info.url();
    state_->writtenPage.reset();
    Settle();
    // A page that loaded in a window nobody sees (at start, or after its window closed) waits
    // there until the window shows.
    if (!state_->window->isVisible())
        FreezeOnceHidden();
    if (DocumentComplete)
        DocumentComplete(ContentScheme::FileAddress(info.url()));
}

void TEmbeddedWB::RunScript(const QString& script, std::function<void(const QVariant&)> answer)
{
    QPointer<TEmbeddedWB> self(this);
    // In a world of their own, the viewer's scripts see the document itself, not what the page's
    // own scripts put in place of window.scrollTo, document.body or an element's scrollTop.
    state_->page->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                [self, answer = std::move(answer)](const QVariant& result) {
                                    if (self && !self->state_->closing)
                                        answer(result);
                                });
}

void TEmbeddedWB::Navigate(const QString& filePath)
{
    state_->page->load(ContentScheme::Address(filePath));
}

bool TEmbeddedWB::HasDocument() const
{
    return state_->hasDocument;
}

QUrl TEmbeddedWB::Url() const
{
    // Another document is not shown until it has loaded; a step to an anchor of this one is.
    const QUrl current = state_->page->url();
    const bool sameDocument =
        current.adjusted(QUrl::RemoveFragment) == state_->loadedUrl.adjusted(QUrl::RemoveFragment);
    return ContentScheme::FileAddress(sameDocument ? current : state_->loadedUrl);
}

void TEmbeddedWB::WritePage(const std::string& pageText, std::function<void(bool ok)> done)
{
    state_->writtenPage = QByteArray::fromStdString(pageText);
    // Its pictures load through the content's scheme, as those of the page saved from it will.
    const QByteArray served = ContentScheme::Served(QByteArray::fromStdString(pageText));
    RunScript(PageScripts::WritePage(
                  Win1251::ToUnicode(std::string_view(served.constData(), size_t(served.size())))),
              [this, done = std::move(done)](const QVariant& result) {
                  Settle();
                  if (done)
                      done(result.toBool());
              });
}

void TEmbeddedWB::Settle()
{
    // Until the script answers, the engine may already tell the window's.
    state_->settled = {state_->view->title(), true};
    RunScript(
        PageScripts::SettlePage(state_->window->accessibleName()),
        [this](const QVariant& answer) { state_->settled = PageScripts::SettledPage(answer); });
}

QString TEmbeddedWB::PageTitle() const
{
    return state_->settled.OwnTitle;
}

bool TEmbeddedWB::TakesFocus() const
{
    return state_->settled.TakesFocus;
}

void TEmbeddedWB::GetScroll(std::function<void(TPageScroll)> done)
{
    if (!HasDocument())
        return;
    RunScript(PageScripts::GetScroll(), [done = std::move(done)](const QVariant& result) {
        done(PageScripts::ScrollState(result));
    });
}

void TEmbeddedWB::SetScroll(int position, std::function<void()> done)
{
    if (!HasDocument())
        return;
    RunScript(PageScripts::SetScroll(position), [done = std::move(done)](const QVariant&) {
        if (done)
            done();
    });
}

void TEmbeddedWB::ScrollStep(TPageStep step, bool rootScrolls,
                             std::function<void(TPageScroll)> done)
{
    if (!HasDocument())
        return;
    RunScript(PageScripts::ScrollStep(step, rootScrolls),
              [done = std::move(done)](const QVariant& result) {
                  done(PageScripts::ScrollState(result));
              });
}

void TEmbeddedWB::Print(std::shared_ptr<QPrinter> printer, const QString& title,
                        std::function<void(bool printed)> done)
{
    const TPrintFrameTexts texts{
        title, Url().toString(),
        QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)};
    const QPageLayout layout = PagePrinter::PageLayout(*printer);
    // The printer lives with the request; the page needs nothing of the adapter by then, and
    // the answer is heard only while the adapter lives.
    QPointer<TEmbeddedWB> self(this);
    state_->page->printToPdf(
        [self, printer = std::move(printer), texts, done = std::move(done)](const QByteArray& pdf) {
            const bool printed = PagePrinter::Print(pdf, *printer, texts);
            if (self && !self->state_->closing && done)
                done(printed);
        },
        layout);
}

void TEmbeddedWB::Copy()
{
    // The engine copies from its focused frame: the command may come from another window.
    View().setFocus();
    state_->page->triggerAction(QWebEnginePage::Copy);
}

WholeFile::TWrite TEmbeddedWB::SaveSource(const QString& fileName) const
{
    const std::optional<QByteArray> source =
        state_->writtenPage ? state_->writtenPage : PageSource::LocalFileBytes(Url());
    if (!source)
        return {WholeFile::TFailure::CannotWrite,
                QStringLiteral("The page's source cannot be read any more.")};
    return WholeFile::Replace(fileName, *source, TFolderOwner::User);
}

void TEmbeddedWB::Show()
{
    state_->shown = true;
    state_->view->show();
}

void TEmbeddedWB::Hide()
{
    state_->shown = false;
    state_->view->hide();
}

void TEmbeddedWB::Suspend()
{
    state_->page->Dialogs().Dismiss();
    FreezeOnceHidden();
}

// The view hides with its window once the window's own hiding is over; a shown page cannot be
// stopped, nor one that has loaded again meanwhile.
void TEmbeddedWB::FreezeOnceHidden()
{
    QTimer::singleShot(0, this, [this] {
        if (!state_->page->isVisible() && !state_->window->isVisible())
            state_->page->setLifecycleState(QWebEnginePage::LifecycleState::Frozen);
    });
}

bool TEmbeddedWB::TakesTyping() const
{
    const QWidget* input = state_->view->focusProxy();
    return input && input->hasFocus() && TOwnScrollingBlocker::TakesTyping(*input);
}

bool TEmbeddedWB::IsVisible() const
{
    return state_->shown;
}

// Beyond its window's edge the view is left out of the window's composition. Hidden instead, it
// would strand a frame the engine was handing it, and the engine's compositor would go on
// waking sixty times a second for it.
void TEmbeddedWB::SetCovered(bool covered)
{
    if (covered == state_->covered)
        return;
    state_->covered = covered;
    QWebEngineView& view = *state_->view;
    view.move(covered ? QPoint(kBeyondTheWindowX, state_->place.y()) : state_->place);
}

QRect TEmbeddedWB::Geometry() const
{
    return {state_->place, state_->view->size()};
}

void TEmbeddedWB::SetWidth(int width)
{
    state_->view->resize(width, state_->view->height());
}

QWebEngineView& TEmbeddedWB::View() const
{
    return *state_->view;
}
