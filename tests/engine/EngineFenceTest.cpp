#include "BrowserFixture.h"
#include "EventWait.h"
#include "JpegFiles.h"
#include "PageClick.h"
#include "TestFiles.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QNetworkDatagram>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTimer>
#include <QUdpSocket>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

// What the page below tries; each try ends in "refused" or in what it got. A try that reaches
// the server ends the wait too, as the server never answers.
constexpr std::string_view kTries[] = {
    "fetchFile",     "xhrFile",       "scriptOutside",  "styleOutside",       "frameOutside",
    "frameByLink",   "pixelsOutside", "fetchRemote",    "imageRemote",        "fontRemote",
    "mediaRemote",   "workerRemote",  "webSocket",      "eventSource",        "prefetch",
    "ping",          "beacon",        "peerConnection", "transportByAddress", "transportByName",
    "otherCatalogue"};

// A page that shows a picture by a relative and by an absolute address, takes its background
// from a style sheet, and tries every way it has to read a file that is not its own (beside
// it by script; outside the content folder in a frame, through a link in the content, as a
// script, a style sheet or a picture's pixels) and to send something to a server on this
// machine (requests, fonts, media, a worker, a socket, server events, a prefetch, a ping,
// WebRTC with STUN servers by address and by name, a TURN server and a peer's candidate). When
// every try has ended it puts them in its title. A form and a navigation leave the page: the test
// tries them last.
constexpr std::string_view kFencePage = R"page(<!DOCTYPE html><html><head>
<link rel="stylesheet" href="style.css">
<link rel="preconnect" href="REMOTE"><link rel="dns-prefetch" href="REMOTE">
</head><body>
<img id="relative" src="picture.jpg"><img id="absolute" src="ABSOLUTE">
<form id="form" method="post" action="REMOTE/form"><input name="secret" value="secret"></form>
<a id="pinger" href="target.html" ping="REMOTE/ping" target="sink">ping</a>
<script>
var tried = {};
function end(name, outcome) {
    if (name in tried)
        return;
    tried[name] = outcome;
    if (Object.keys(tried).length == TRIES)
        document.title = JSON.stringify(tried);
}
function append(element, name, loaded) {
    element.onload = () => end(name, loaded);
    element.onerror = () => end(name, 'refused');
    document.head.appendChild(element);
}
function link(name, rel, address) {
    var element = document.createElement('link');
    element.rel = rel;
    element.href = address;
    append(element, name, 'loaded');
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
var script = document.createElement('script');
script.src = 'OUTSIDE/secret.js';
append(script, 'scriptOutside', 'loaded');
link('styleOutside', 'stylesheet', 'OUTSIDE/secret.css');
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
// Every catalogue is an origin of its own: another's pictures are not this page's.
var other = new Image();
other.onload = () => end('otherCatalogue', 'loaded');
other.onerror = () => end('otherCatalogue', 'refused');
other.src = location.protocol + '//c0000000000000000/picture.jpg';
fetch('REMOTE/fetch', {mode: 'no-cors'}).then(() => end('fetchRemote', 'sent'), () => end('fetchRemote', 'refused'));
var image = new Image();
image.onload = () => end('imageRemote', 'sent');
image.onerror = () => end('imageRemote', 'refused');
image.src = 'REMOTE/image.jpg';
new FontFace('remote', 'url(REMOTE/font.woff)').load().then(() => end('fontRemote', 'sent'), () => end('fontRemote', 'refused'));
var media = document.createElement('audio');
media.onloadedmetadata = () => end('mediaRemote', 'sent');
media.onerror = () => end('mediaRemote', 'refused');
media.preload = 'auto';
media.src = 'REMOTE/media.ogg';
try {
    var worker = new Worker(URL.createObjectURL(new Blob(
        ["fetch('REMOTE/worker', {mode: 'no-cors'}).then(() => postMessage('sent'), () => postMessage('refused'))"],
        {type: 'text/javascript'})));
    worker.onmessage = message => end('workerRemote', message.data);
    worker.onerror = () => end('workerRemote', 'refused');
} catch (e) { end('workerRemote', 'refused'); }
try {
    var socket = new WebSocket('ws://127.0.0.1:PORT/socket');
    socket.onopen = () => end('webSocket', 'sent');
    socket.onclose = () => end('webSocket', 'refused');
} catch (e) { end('webSocket', 'refused'); }
var events = new EventSource('REMOTE/events');
events.onopen = () => end('eventSource', 'sent');
events.onerror = () => { events.close(); end('eventSource', 'refused'); };
link('prefetch', 'prefetch', 'REMOTE/prefetch');
// A ping goes out as its link is followed, before the frame loads the link's page.
var sink = document.createElement('iframe');
sink.name = 'sink';
document.body.appendChild(sink);
sink.onload = () => end('ping', 'refused');
document.getElementById('pinger').click();
// A beacon tells the page nothing; a fetch after it, through the same loader, ends after it.
navigator.sendBeacon('REMOTE/beacon', 'secret');
fetch('REMOTE/afterBeacon', {mode: 'no-cors'}).then(() => end('beacon', 'sent'), () => end('beacon', 'refused'));
// Gathering ends once every server was asked; the candidates it found are what could send.
async function connect() {
    var servers = [{urls: 'stun:127.0.0.1:UDP'}, {urls: 'stun:secret.invalid:UDP'},
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
// QUIC datagrams, which the request blocker never sees; by name, a name lookup first.
function transport(name, address) {
    if (typeof WebTransport == 'undefined')
        return end(name, 'refused');
    try {
        var session = new WebTransport(address);
        session.ready.then(() => end(name, 'sent'), () => end(name, 'refused'));
    } catch (e) { end(name, 'refused'); }
}
transport('transportByAddress', 'https://127.0.0.1:UDP/secret');
transport('transportByName', 'https://secret.localhost:UDP/secret');
if (typeof RTCPeerConnection == 'undefined')
    end('peerConnection', 'refused');
else
    connect().then(outcome => end('peerConnection', outcome), e => end('peerConnection', 'failed: ' + e));
</script></body></html>)page";

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
        TestFiles::Write(PathOf("target.html"), "<!DOCTYPE html><title>target</title>");
        TestFiles::Write(outside_.filePath("secret.html"), "<html><body>secret</body></html>");
        TestFiles::Write(outside_.filePath("secret.js"), "var secret = 'secret';");
        TestFiles::Write(outside_.filePath("secret.css"), "body { color: rgb(4, 5, 6); }");
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
            .replace(QStringLiteral("PORT"), QString::number(server_.serverPort()))
            .replace(QStringLiteral("UDP"), QString::number(peer_.localPort()))
            .toStdString();
    }

    bool Reached() const { return connections_ > 0 || datagrams_ > 0; }

    // Runs a script that leaves the page, and waits until the engine has settled it.
    bool Leave(const QString& script)
    {
        QSignalSpy finished(wb_.View().page(), &QWebEnginePage::loadFinished);
        Evaluate(script);
        return WaitFor([&] { return !finished.isEmpty() || Reached(); }, 8000);
    }

    QTemporaryDir outside_; // a folder of the user's, beside the content
    QTcpServer server_;
    QUdpSocket peer_;
    int connections_ = 0;
    int datagrams_ = 0;
};

TEST_F(EngineFenceTest, APageReadsNothingOutsideAndReachesNoServerWhileItsPicturesShow)
{
    // A load that reached the server would not end: the page's tries are waited for instead.
    TestFiles::Write(PathOf("fence.html"), Page());
    wb_.Navigate(PathOf("fence.html"));
    QWebEnginePage& page = *wb_.View().page();
    // Either every try has ended, or one reached a server, which never answers.
    ASSERT_TRUE(WaitFor([&] { return page.title().startsWith('{') || Reached(); }, 30000))
        << "the page's tries did not end: "
        << Evaluate(QStringLiteral("JSON.stringify(tried)")).toString().toStdString();
    ASSERT_EQ(connections_, 0) << "the page reached the server";
    ASSERT_TRUE(Leave(QStringLiteral("document.getElementById('form').submit()")));
    ASSERT_TRUE(
        Leave(QStringLiteral("location.href = 'REMOTE/navigate'")
                  .replace(QStringLiteral("REMOTE"),
                           QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()))));
    EXPECT_EQ(connections_, 0) << "the page reached the server";
    EXPECT_EQ(datagrams_, 0) << "the page sent datagrams";
    EXPECT_EQ(wb_.Url(), UrlOf("fence.html")) << "the page left for the server";
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

// A page that shows box after box gets two in a row, then none until the user presses in it.
TEST_F(EngineFenceTest, APageGetsNoThirdBoxInARowUntilTheUserPresses)
{
    ASSERT_TRUE(Load("boxes.html", "<!DOCTYPE html><p id=p>boxes</p><script>"
                                   "function storm(round) { for (var i = 0; i < 5; ++i) alert(i);"
                                   " document.title = round; }</script>"));
    int boxes = 0;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                ++boxes;
                box->button(QMessageBox::Ok)->click();
            }
    });
    answerer.start(10);
    QWebEnginePage& page = *wb_.View().page();
    for (const auto& [round, seen] : {std::pair{"first", 2}, std::pair{"second", 4}}) {
        const QString title = QLatin1String(round);
        page.runJavaScript(QStringLiteral("storm('%1')").arg(title));
        ASSERT_TRUE(WaitFor([&] { return page.title() == title; }, 8000));
        EXPECT_EQ(boxes, seen) << round;
        ASSERT_TRUE(ClickPageElement(wb_, QStringLiteral("p")));
    }
}

// A page that loads while its window is hidden runs nothing there, and wakes when it shows.
TEST_F(EngineFenceTest, APageLoadedInAHiddenWindowStopsUntilItShows)
{
    window_.hide();
    ASSERT_TRUE(Load("hidden.html", "<!DOCTYPE html><title>hidden</title>"));
    QWebEnginePage& page = *wb_.View().page();
    ASSERT_TRUE(WaitFor(
        [&] { return page.lifecycleState() == QWebEnginePage::LifecycleState::Frozen; }, 8000));
    window_.show();
    wb_.Show();
    EXPECT_EQ(Evaluate(QStringLiteral("document.title")).toString(), "hidden");
    EXPECT_EQ(page.lifecycleState(), QWebEnginePage::LifecycleState::Active);
}

} // namespace
