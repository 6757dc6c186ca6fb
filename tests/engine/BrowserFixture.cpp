#include "BrowserFixture.h"

#include "ContentPath.h"
#include "EventWait.h"
#include "TestFiles.h"

#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

constexpr int kEngineTimeoutMs = 8000;

// Waits for an answer the engine gives in a callback.
template <class T, class Ask> std::optional<T> Await(Ask ask)
{
    std::optional<T> answer;
    ask([&answer](T value) { answer = std::move(value); });
    if (!WaitFor([&answer] { return answer.has_value(); }, kEngineTimeoutMs))
        ADD_FAILURE() << "the engine did not answer";
    return answer;
}

} // namespace

BrowserFixture::BrowserFixture()
{
    // The engine shows the files of the content folder alone.
    ContentPath::UseContentDir(dir_.path());
    window_.resize(800, 600);
    window_.show();
    wb_.DocumentComplete = [this](const QUrl& url) { completed_.push_back(url); };
}

BrowserFixture::~BrowserFixture()
{
    ContentPath::UseContentDir(QString());
}

bool BrowserFixture::Load(const QString& name, std::string_view bytes)
{
    TestFiles::Write(PathOf(name), bytes);
    return NavigateAndWait(name, completed_.size() + 1);
}

bool BrowserFixture::NavigateAndWait(const QString& name, size_t count)
{
    wb_.Navigate(PathOf(name));
    return WaitFor([&] { return completed_.size() >= count; }, kEngineTimeoutMs);
}

std::optional<TPageScroll> BrowserFixture::Scroll()
{
    return Await<TPageScroll>([this](auto done) { wb_.GetScroll(done); });
}

std::optional<TPageScroll> BrowserFixture::Step(TPageStep step, bool rootScrolls)
{
    return Await<TPageScroll>([&](auto done) { wb_.ScrollStep(step, rootScrolls, done); });
}

bool BrowserFixture::SetScroll(int position)
{
    return Await<bool>([&](auto done) { wb_.SetScroll(position, [done] { done(true); }); })
        .has_value();
}

bool BrowserFixture::Write(const std::string& pageText)
{
    return Await<bool>([&](auto done) { wb_.WritePage(pageText, done); }).value_or(false);
}

QVariant BrowserFixture::Evaluate(const QString& script, quint32 world)
{
    return Await<QVariant>(
               [&](auto done) { wb_.View().page()->runJavaScript(script, world, done); })
        .value_or(QVariant());
}
