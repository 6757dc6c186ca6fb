#include "BrowserFixture.h"
#include "EventWait.h"
#include "JpegFiles.h"
#include "TestFiles.h"

#include <QTcpServer>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

// What the page below tries; each try ends in "refused" or in what it got.
constexpr std::string_view kTries[] = {"fetchFile", "xhrFile", "fetchRemote", "imageRemote"};

// A page that shows a picture by a relative and by an absolute address, takes its background
// from a style sheet, and tries to read a file beside it and to reach a server. When every try
// has ended it puts them in its title.
constexpr std::string_view kFencePage = R"(<!DOCTYPE html><html><head>
<link rel="stylesheet" href="style.css"></head><body>
<img id="relative" src="picture.jpg"><img id="absolute" src="ABSOLUTE">
<script>
var tried = {};
function end(name, outcome) {
    tried[name] = outcome;
    if (Object.keys(tried).length == 4)
        document.title = JSON.stringify(tried);
}
fetch('secret.txt').then(r => r.text()).then(t => end('fetchFile', t), () => end('fetchFile', 'refused'));
var xhr = new XMLHttpRequest();
xhr.onload = () => end('xhrFile', xhr.responseText);
xhr.onerror = () => end('xhrFile', 'refused');
try { xhr.open('GET', 'secret.txt'); xhr.send(); } catch (e) { end('xhrFile', 'refused'); }
fetch('REMOTE/fetch', {mode: 'no-cors'}).then(() => end('fetchRemote', 'sent'), () => end('fetchRemote', 'refused'));
var image = new Image();
image.onload = () => end('imageRemote', 'sent');
image.onerror = () => end('imageRemote', 'refused');
image.src = 'REMOTE/image.jpg';
</script></body></html>)";

class EngineFenceTest : public BrowserFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server_.listen(QHostAddress::LocalHost));
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { ++connections_; });
        TestFiles::Write(PathOf("secret.txt"), "secret");
        TestFiles::Write(PathOf("picture.jpg"), JpegFiles::OrdinaryProgressive(32, 24));
        TestFiles::Write(PathOf("style.css"), "body { background-color: rgb(1, 2, 3); }");
    }

    std::string Page() const
    {
        return QString::fromUtf8(kFencePage.data(), qsizetype(kFencePage.size()))
            .replace(QStringLiteral("ABSOLUTE"), UrlOf("picture.jpg").toString())
            .replace(QStringLiteral("REMOTE"),
                     QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()))
            .toStdString();
    }

    QTcpServer server_;
    int connections_ = 0;
};

TEST_F(EngineFenceTest, APageScriptReadsNoFileAndReachesNoServerWhileItsPicturesShow)
{
    ASSERT_TRUE(Load("fence.html", Page()));
    QWebEnginePage& page = *wb_.View().page();
    // Either every try has ended, or one reached the server, which never answers.
    ASSERT_TRUE(WaitFor([&] { return page.title().startsWith('{') || connections_ > 0; }, 10000))
        << "the page's tries did not end";
    EXPECT_EQ(connections_, 0) << "the page reached the server";
    for (const std::string_view name : kTries)
        EXPECT_EQ(Evaluate(QStringLiteral("tried.%1").arg(QLatin1String(name))).toString(),
                  "refused")
            << name;
    for (const char* picture : {"relative", "absolute"})
        EXPECT_EQ(Evaluate(QStringLiteral("document.getElementById('%1').naturalWidth")
                               .arg(QLatin1String(picture)))
                      .toInt(),
                  32)
            << picture;
    EXPECT_EQ(
        Evaluate(QStringLiteral("getComputedStyle(document.body).backgroundColor")).toString(),
        "rgb(1, 2, 3)");
}

} // namespace
