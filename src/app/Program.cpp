#include "Program.h"

#include "BrowserWindow.h"
#include "BrowserWindows.h"
#include "ContentPages.h"
#include "ContentPath.h"
#include "Dialogs.h"
#include "EngineWarmUp.h"
#include "FontInstaller.h"
#include "PopUps.h"
#include "SealedWindow.h"
#include "SettingsFile.h"
#include "UserContentFolder.h"
#include "WholeFile.h"
#include "Windows.h"
#include "uChContext.h"
#include "uChLoader.h"
#include "uChMessage.h"
#include "uMain.h"

#include <QCoreApplication>

namespace {

// The files the viewer writes in its folder, relative to it.
QStringList WrittenFiles()
{
    QStringList written{*ContentPath::Relative(kSettingsFile)};
    for (const std::u16string_view page : ContentPages::kGenerated)
        written << *ContentPath::Relative(page);
    return written;
}

// What a viewer killed while writing left: the writes' unfinished files and a stale settings
// lock. Nothing writes those files before the browser windows are made.
void TidyContentFolder()
{
    for (const QString& file : WrittenFiles())
        WholeFile::RemoveUnfinished(ContentPath::ContentDir() + u'/' + file);
    ClearAbandonedSettingsLock(ContentPath::ContentDir());
}

} // namespace

QString ChooseContentFolder()
{
    const UserContentFolder::TChoice choice =
        UserContentFolder::Choose(ContentPath::ExecutableDir(), WrittenFiles());
    ContentPath::UseContentDir(choice.Folder);
    return choice.Problem;
}

TProgram::TProgram(TTickSource& ticks)
    : ticks_(ticks), skin_(ContentPath::ContentDir()), catalogue_(skin_.ContentDir()),
      main_(std::make_unique<TSealed<TfMain>>(ticks, skin_, catalogue_))
{
    fMain = main_.get();
    for (const TBrowserWindowEntry& window : BrowserWindowRegistry())
        browserFrames_.push_back(skin_.Picture(window.FramePicture));
    InstallTitleFonts(skin_.ContentDir());
    message_ = std::make_unique<TSealed<TfChMessage>>(ticks, skin_);
    fChMessage = message_.get();
    // Before any browser window, which shows it, and gone after the last.
    context_ = std::make_unique<TSealed<TfChContext>>(ticks_, skin_, hook_, PageCommandsFor);
    fChContext = context_.get();
}

TProgram::~TProgram()
{
    // The browser windows go before the main window whose parts they use, the last made first.
    const std::span<const TBrowserWindowEntry> windows = BrowserWindowRegistry();
    for (auto entry = windows.rbegin(); entry != windows.rend(); ++entry) {
        const TBrowserWindow* window = entry->Window();
        entry->Forget();
        delete window;
    }
    fChContext = nullptr;
    context_.reset();
    fChMessage = nullptr;
    message_.reset();
    fMain = nullptr;
    main_.reset();
}

void TProgram::ShowSplash(TSplashPace pace)
{
    auto splash = std::make_unique<TfLoader>(ticks_, skin_, pace);
    splash->show();
    splash->repaint();
    bool waitUsed = false;
    while (splash->IsTiming()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!waitUsed && splash->HasShown()) {
            UseTheSplashWait();
            waitUsed = true;
        }
    }
    if (!waitUsed)
        UseTheSplashWait();
    splash->hide();
}

// Work the splash need not wait for, done once it is on screen, while the user waits anyway:
// the folder tidied, the catalogue read, the main window's pictures decoded, and the engine
// started, so that the browser windows and the main window after it cost little.
void TProgram::UseTheSplashWait()
{
    TidyContentFolder();
    catalogue_.StartLoading();
    main_->PaintAhead();
    warmUp_ = std::make_unique<TEngineWarmUp>();
}

void TProgram::FinishLoading()
{
    try {
        // A work whose text cannot be read stays, so one lost file does not hide the rest.
        const TUnreadTexts unread = catalogue_.FinishLoading();
        if (!unread.empty())
            Dialogs().ShowError(main_.get(), DescribeUnreadTexts(unread, skin_.ContentDir()));
    } catch (const std::exception& error) {
        Dialogs().ShowError(main_.get(), QString::fromLocal8Bit(error.what()));
    }
}

void TProgram::CreateBrowserWindows()
{
    FinishLoading();
    const std::span<const TBrowserWindowEntry> windows = BrowserWindowRegistry();
    for (size_t i = 0; i < windows.size(); ++i) {
        windows[i].Create(HostOf(i))->setAccessibleName(QString::fromUtf16(windows[i].Title));
    }
}

TBrowserHost TProgram::HostOf(size_t registryIndex)
{
    return {*main_,
            skin_,
            browserFrames_[registryIndex],
            ticks_,
            hook_,
            catalogue_.Works,
            catalogue_.Selection,
            catalogue_.SearchTexts(),
            PopUpCalls()};
}

TContextPopUpCalls TProgram::PopUpCalls()
{
    return {
        .ShowAtPointer = [this](QPoint screenPoint,
                                TContextTarget target) { context_->ShowAt(screenPoint, target); },
        .HideForPress = [this](const QObject* receiver) { context_->HideOnPressAt(receiver); },
    };
}

void TProgram::ShowMainWindow(const QString& problem)
{
    FinishLoading();
    main_->show();
    // The warm-up page goes while the window server maps the window, not before.
    warmUp_.reset();
    if (!problem.isEmpty())
        Dialogs().ShowError(main_.get(), problem);
}
