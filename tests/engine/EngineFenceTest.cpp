#include "BrowserFixture.h"
#include "EventWait.h"
#include "JpegFiles.h"
#include "TestFiles.h"

#include <QFile>
#include <QNetworkDatagram>
#include <QTcpServer>
#include <QUdpSocket>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

// What the page below tries; each try ends in "refused" or in what it got.
constexpr std::string_view kTries[] = {"fetchFile",     "xhrFile",       "fetchRemote",
                                       "imageRemote",   "frameOutside",  "frameByLink",
                                       "pixelsOutside", "peerConnection"};

// A page that shows a picture by a relative and by an absolute address, takes its background
// from a style sheet, and tries to read a file beside it, to read files outside the content
// folder (in a frame, through a link in the content, as a picture's pixels) and to reach a
// server, by a request and by WebRTC (a STUN and a TURN server, and a peer's candidate). When
// every try has ended it puts them in its title.
constexpr std::string_view kFencePage = R"(<!DOCTYPE html><html><head>
<link rel="stylesheet" href="style.css"></head><body>
<img id="relative" src="picture.jpg"><img id="absolute" src="ABSOLUTE">
<script>
var tried = {};
function end(name, outcome) {
    if (name in tried)
        return;
    tried[name] = outcome;
    if (Object.keys(tried).length == TRIES)
        document.title = JSON.stringify(tried);
}
// The page's own load ends once its frames have loaded or failed; a frame that was refused
// tells no event of its own.
function readFrame(name, address) {
    var frame = document.createElement('iframe');
    frame.src = address;
    document.body.appendChild(frame);
    window.addEventListener('load', () => {
        var text = '';
        try { text = frame.contentDocument.body.textContent; } catch (e) {}
        end(name, text.includes('secret') ? text : 'refused');
    });
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
readFrame('frameOutside', 'OUTSIDE/secret.html');
readFrame('frameByLink', 'link.html');
var outside = new Image();
outside.onload = () => {
    var canvas = document.createElement('canvas');
    var context = canvas.getContext('2d');
    context.drawImage(outside, 0, 0);
    try { end('pixelsOutside', 'read ' + context.getImageData(0, 0, 1, 1).data.join(',')); }
    catch (e) { end('pixelsOutside', 'refused'); }
};
outside.onerror = () => end('pixelsOutside', 'refused');
outside.src = 'OUTSIDE/picture.jpg';
// Gathering ends once every server was asked; the candidates it found are what could send.
async function connect() {
    var servers = [{urls: 'stun:127.0.0.1:UDP'},
                   {urls: 'turn:127.0.0.1:UDP', username: 'secret', credential: 'secret'}];
    var caller = new RTCPeerConnection({iceServers: servers});
    var callee = new RTCPeerConnection();
    caller.createDataChannel('secret');
    var gathered = new Promise(done => caller.onicegatheringstatechange = () => {
        if (caller.iceGatheringState == 'complete') done();
    });
    await caller.setLocalDescription(await caller.createOffer());
    await callee.setRemoteDescription(caller.localDescription);
    await callee.setLocalDescription(await callee.createAnswer());
    await caller.setRemoteDescription(callee.localDescription);
    await caller.addIceCandidate({sdpMid: caller.localDescription.sdp.match(/a=mid:(\S+)/)[1],
        candidate: 'candidate:1 1 udp 2122260223 127.0.0.1 UDP typ host'});
    await gathered;
    var candidates = 0;
    (await caller.getStats()).forEach(report => {
        if (report.type == 'local-candidate') ++candidates;
    });
    return candidates == 0 ? 'refused' : candidates + ' local candidates';
}
if (typeof RTCPeerConnection == 'undefined')
    end('peerConnection', 'refused');
else
    connect().then(outcome => end('peerConnection', outcome), e => end('peerConnection', 'failed: ' + e));
</script></body></html>)";

class EngineFenceTest : public BrowserFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server_.listen(QHostAddress::LocalHost));
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { ++connections_; });
        ASSERT_TRUE(peer_.bind(QHostAddress::LocalHost));
        QObject::connect(&peer_, &QUdpSocket::readyRead, [this] {
            while (peer_.hasPendingDatagrams()) {
                peer_.receiveDatagram();
                ++datagrams_;
            }
        });
        TestFiles::Write(PathOf("secret.txt"), "secret");
        TestFiles::Write(PathOf("picture.jpg"), JpegFiles::OrdinaryProgressive(32, 24));
        TestFiles::Write(PathOf("style.css"), "body { background-color: rgb(1, 2, 3); }");
        TestFiles::Write(outside_.filePath("secret.html"), "<html><body>secret</body></html>");
        TestFiles::Write(outside_.filePath("picture.jpg"), JpegFiles::OrdinaryProgressive(8, 8));
        ASSERT_TRUE(QFile::link(outside_.filePath("secret.html"), PathOf("link.html")));
    }

    std::string Page() const
    {
        return QString::fromUtf8(kFencePage.data(), qsizetype(kFencePage.size()))
            .replace(QStringLiteral("TRIES"), QString::number(std::size(kTries)))
            .replace(QStringLiteral("ABSOLUTE"), UrlOf("picture.jpg").toString())
            .replace(QStringLiteral("OUTSIDE"), QUrl::fromLocalFile(outside_.path()).toString())
            .replace(QStringLiteral("REMOTE"),
                     QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()))
            .replace(QStringLiteral("UDP"), QString::number(peer_.localPort()))
            .toStdString();
    }

    QTemporaryDir outside_; // a folder of the user's, beside the content
    QTcpServer server_;
    QUdpSocket peer_;
    int connections_ = 0;
    int datagrams_ = 0;
};

TEST_F(EngineFenceTest, APageReadsNothingOutsideAndReachesNoServerWhileItsPicturesShow)
{
    ASSERT_TRUE(Load("fence.html", Page()));
    QWebEnginePage& page = *wb_.View().page();
    // Either every try has ended, or one reached a server, which never answers.
    ASSERT_TRUE(WaitFor(
        [&] { return page.title().startsWith('{') || connections_ > 0 || datagrams_ > 0; }, 30000))
        << "the page's tries did not end: "
        << Evaluate(QStringLiteral("JSON.stringify(tried)")).toString().toStdString();
    EXPECT_EQ(connections_, 0) << "the page reached the server";
    EXPECT_EQ(datagrams_, 0) << "the page sent datagrams";
    for (const std::string_view name : kTries)
        EXPECT_EQ(
            Evaluate(QStringLiteral("tried.%1").arg(QLatin1String(name))).toString().toStdString(),
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
