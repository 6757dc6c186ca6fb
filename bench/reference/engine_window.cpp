// The references bench/figures.sh sets the viewer beside: the picture window of
// velmora_ref_picture_window, linked with the browser engine as the viewer is (the same engine
// settings, shared graphics contexts). Whatever engine view it makes, it makes only after its
// window's first paint, so its picture never waits for the engine. One program, four uses:
//  start PICTURE                the picture, and one engine view where the information
//                               window's browser stands: the fair reference for the splash;
//  after-splash SPLASH PICTURE  the splash picture for as long as the viewer's splash lasts,
//                               the engine warmed up meanwhile with a blank page in a hidden
//                               view and the picture decoded into its hidden window, as the
//                               viewer decodes its main window's; then that window with a view
//                               of its own: the same work as the viewer's at the splash's end,
//                               from the same moment;
//  page PICTURE PAGE FIRST      the picture, and a hidden child window of it where the
//                               information window stands, as the viewer's is a child of its
//                               shown main window, whose engine view holds the page FIRST (the
//                               viewer's windows hold their placeholder); a release shows that
//                               window and loads PAGE into it, as "zoom" does;
//  edit PICTURE PAGE            the picture, one engine view showing the page and the viewer's
//                               own search edit where it stands on the search window, focused: a
//                               bare window at rest with a blinking cursor.
#include "EngineEnvironment.h"
#include "PictureWindow.h"
#include "SearchEdit.h"
#include "WindowLayout.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

#include <chrono>
#include <functional>
#include <map>
#include <memory>

namespace {

// The viewer's splash lasts 4000 units of 0.864 ms from its first tick.
constexpr std::chrono::milliseconds kSplashDuration(3456);
// Where the viewer's information window puts its browser, in the main window's pixels.
constexpr QRect kBrowserPlace =
    WindowLayout::kCatalogueBrowser.translated(WindowLayout::kBrowserWindowPlace);
constexpr QRect kEditPlace =
    WindowLayout::kSearchEdit.translated(WindowLayout::kBrowserWindowPlace);

// What a view holds before its first page: its engine processes run for it.
const QUrl kBlankPage(QStringLiteral("about:blank"));

enum class TUse { Start, AfterSplash, Page, Edit };

// A picture window that runs its action once, after its first paint has reached the screen.
class TPaintedWindow : public TPictureWindow {
public:
    TPaintedWindow(const QString& picturePath, std::function<void()> afterFirstPaint)
        : TPictureWindow(picturePath), afterFirstPaint_(std::move(afterFirstPaint))
    {
    }

    std::function<void()> OnRelease;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        TPictureWindow::paintEvent(event);
        if (afterFirstPaint_)
            QTimer::singleShot(0, this, std::exchange(afterFirstPaint_, nullptr));
    }
    void mouseReleaseEvent(QMouseEvent*) override
    {
        if (OnRelease)
            OnRelease();
    }

private:
    std::function<void()> afterFirstPaint_;
};

std::unique_ptr<QWebEngineView> ViewAt(QWidget* parent, QRect place)
{
    auto view = std::make_unique<QWebEngineView>(parent);
    view->setGeometry(place);
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    return view;
}

// What one run keeps alive.
struct TReference {
    std::unique_ptr<TPaintedWindow> splash;
    std::unique_ptr<TPaintedWindow> main;
    std::unique_ptr<QWidget> pageWindow;
    std::unique_ptr<QWebEngineView> view;
    std::unique_ptr<QWebEngineView> warmUp;
    std::unique_ptr<TSearchEdit> edit;
};

void ShowStart(TReference& reference, const QString& picture)
{
    reference.main = std::make_unique<TPaintedWindow>(picture, [&reference] {
        reference.view = ViewAt(reference.main.get(), kBrowserPlace);
        reference.view->show();
    });
    reference.main->show();
}

void ShowAfterSplash(TReference& reference, const QString& splash, const QString& picture)
{
    reference.splash = std::make_unique<TPaintedWindow>(splash, [&reference, picture] {
        reference.warmUp = ViewAt(nullptr, kBrowserPlace);
        reference.warmUp->setUrl(kBlankPage);
        reference.main = std::make_unique<TPaintedWindow>(picture, nullptr);
        QTimer::singleShot(kSplashDuration, [&reference] {
            reference.splash->hide();
            reference.view = ViewAt(reference.main.get(), kBrowserPlace);
            reference.main->show();
        });
    });
    reference.splash->show();
}

void ShowPage(TReference& reference, const QString& picture, const QUrl& page, const QUrl& first)
{
    reference.main = std::make_unique<TPaintedWindow>(picture, [&reference, first] {
        reference.pageWindow = std::make_unique<QWidget>(reference.main.get());
        reference.pageWindow->setGeometry(
            QRect(WindowLayout::kBrowserWindowPlace, WindowLayout::kBrowserWindow));
        reference.view = ViewAt(reference.pageWindow.get(), WindowLayout::kCatalogueBrowser);
        reference.view->setUrl(first);
        reference.pageWindow->hide();
    });
    reference.main->OnRelease = [&reference, page] {
        if (!reference.pageWindow)
            return;
        reference.pageWindow->show();
        reference.view->load(page);
    };
    reference.main->show();
}

void ShowEdit(TReference& reference, const QString& picture, const QUrl& page)
{
    reference.main = std::make_unique<TPaintedWindow>(picture, [&reference, page] {
        reference.view = ViewAt(reference.main.get(), kBrowserPlace);
        reference.view->setUrl(page);
        reference.view->show();
        reference.edit = std::make_unique<TSearchEdit>(*reference.main);
        reference.edit->move(kEditPlace.topLeft());
        reference.edit->show();
        reference.edit->setFocus();
    });
    reference.main->show();
}

} // namespace

int main(int argc, char* argv[])
{
    PrepareEngineEnvironment(TDiagnostics::Quiet);
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    const std::map<QString, std::pair<TUse, qsizetype>> uses = {
        {QStringLiteral("start"), {TUse::Start, 2}},
        {QStringLiteral("after-splash"), {TUse::AfterSplash, 3}},
        {QStringLiteral("page"), {TUse::Page, 4}},
        {QStringLiteral("edit"), {TUse::Edit, 3}},
    };
    const auto use = args.isEmpty() ? uses.end() : uses.find(args[0]);
    if (use == uses.end() || args.size() != use->second.second)
        return 2;
    TReference reference;
    switch (use->second.first) {
    case TUse::Start:
        ShowStart(reference, args[1]);
        break;
    case TUse::AfterSplash:
        ShowAfterSplash(reference, args[1], args[2]);
        break;
    case TUse::Page:
        ShowPage(reference, args[1], QUrl::fromLocalFile(args[2]), QUrl::fromLocalFile(args[3]));
        break;
    case TUse::Edit:
        ShowEdit(reference, args[1], QUrl::fromLocalFile(args[2]));
        break;
    }
    return QApplication::exec();
}
