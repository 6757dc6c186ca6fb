// Reference for start-up, for a page on screen and for memory: the picture window of
// velmora_ref_picture_window, linked with the browser engine as the viewer is (the same engine
// settings, shared graphics contexts), which makes one engine view, where the information
// window's browser stands, once it has shown. Given a page, a mouse release anywhere loads it
// in the view.
// Usage: velmora_ref_engine_window PICTURE [PAGE]
#include "EngineEnvironment.h"
#include "PictureWindow.h"
#include "WindowLayout.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

#include <memory>

namespace {

// Where the viewer's information window puts its browser, in the main window's pixels.
constexpr QRect kBrowserPlace =
    WindowLayout::kCatalogueBrowser.translated(WindowLayout::kBrowserWindowPlace);

class TEngineWindow : public TPictureWindow {
public:
    TEngineWindow(const QString& picturePath, QUrl page)
        : TPictureWindow(picturePath), page_(std::move(page))
    {
        QTimer::singleShot(0, this, [this] { MakeView(); });
    }

protected:
    void mouseReleaseEvent(QMouseEvent*) override
    {
        if (view_ && !page_.isEmpty())
            view_->load(page_);
    }

private:
    void MakeView()
    {
        view_ = std::make_unique<QWebEngineView>(this);
        view_->setGeometry(kBrowserPlace);
        view_->setAttribute(Qt::WA_TransparentForMouseEvents);
        view_->show();
    }

    std::unique_ptr<QWebEngineView> view_;
    QUrl page_;
};

} // namespace

int main(int argc, char* argv[])
{
    PrepareEngineEnvironment(TDiagnostics::Quiet);
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3)
        return 2;
    TEngineWindow window(QString::fromLocal8Bit(argv[1]),
                         argc == 3 ? QUrl::fromLocalFile(QString::fromLocal8Bit(argv[2])) : QUrl());
    window.show();
    return QApplication::exec();
}
