#include "PageScripts.h"

#include "RoundHalfEven.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QVariantMap>

#include <array>

namespace PageScripts {
namespace {

// The probe writes 1 to the root's scrollTop of a page at the top and keeps whatever the
// root then reads back above 0 (a zoomed page reads back a fraction) as root scrolling;
// state() puts the root back where it was before answering. %1 is the operation's own body.
constexpr auto kFrame = R"((function () {
    var root = document.documentElement, body = document.body;
    if (!root)
        return null;
    function probe() {
        var t0 = root.scrollTop;
        if (t0 === 0)
            root.scrollTop = 1;
        return {rootScrolls: root.scrollTop > 0 || t0 > 0, t0: t0};
    }
    function scrolling(rootScrolls) {
        return rootScrolls ? root : body;
    }
    function state() {
        var p = probe();
        if (p.rootScrolls)
            root.scrollTop = p.t0;
        var el = scrolling(p.rootScrolls);
        if (!el)
            return null;
        return {rootScrolls: p.rootScrolls, position: el.scrollTop,
                range: el.scrollHeight - el.clientHeight};
    }
    %1
})())";

// The old engine's doScroll steps: a line, or a page less one line, up or down.
constexpr int kLinePixels = 40;
struct TStepMove {
    int Lines;
    int Pages;
};
// By TPageStep.
constexpr std::array<TStepMove, kPageStepCount> kStepMoves = {{
    {-1, 0}, // Up
    {1, 0},  // Down
    {0, -1}, // PageUp
    {0, 1},  // PageDown
}};
static_assert(int(TPageStep::PageDown) + 1 == kPageStepCount);

QString Framed(const QString& body)
{
    return QString::fromUtf8(kFrame).arg(body);
}

// A JavaScript string literal holding text exactly, whatever quotes or line breaks it has.
QString StringLiteral(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array) + QStringLiteral("[0]");
}

} // namespace

QString WritePage(const QString& text)
{
    return QStringLiteral("(function () { var text = %1; document.open(); document.write(text); "
                          "document.close(); return true; })()")
        .arg(StringLiteral(text));
}

QString SettlePage(const QString& title)
{
    return QStringLiteral(R"((function (title) {
    var own = document.title;
    if (title)
        document.title = title;
    for (var link of document.querySelectorAll('a')) {
        var card = link.closest('table');
        var name = card && card.querySelector('.name');
        if (!name || link.textContent.trim() || link.hasAttribute('aria-label'))
            continue;
        var work = name.textContent.trim();
        link.setAttribute('aria-label', work);
        for (var picture of link.querySelectorAll('img:not([alt])'))
            picture.alt = work;
    }
    var focusable = document.querySelector('a[href], area[href], input:not([disabled]), ' +
        'select:not([disabled]), textarea:not([disabled]), button:not([disabled]), iframe, ' +
        'object, embed, [contenteditable], [tabindex]:not([tabindex="-1"])');
    return {ownTitle: own, takesFocus: focusable !== null};
})(%1))")
        .arg(StringLiteral(title));
}

TSettledPage SettledPage(const QVariant& answer)
{
    const QVariantMap settled = answer.toMap();
    if (settled.isEmpty())
        return {};
    return {settled.value(QStringLiteral("ownTitle")).toString(),
            settled.value(QStringLiteral("takesFocus")).toBool()};
}

QString GetScroll()
{
    return Framed(QStringLiteral("return state();"));
}

QString SetScroll(int position)
{
    return Framed(QStringLiteral("var el = scrolling(probe().rootScrolls);\n"
                                 "    if (el)\n"
                                 "        el.scrollTop = %1;\n"
                                 "    return true;")
                      .arg(position));
}

QString ScrollStep(TPageStep step, bool rootScrolls)
{
    const TStepMove move = kStepMoves[size_t(step)];
    return Framed(QStringLiteral("var el = scrolling(%1);\n"
                                 "    if (el)\n"
                                 "        el.scrollTop += %2 * %4 + %3 * Math.max(el.clientHeight "
                                 "- %4, %4);\n"
                                 "    return state();")
                      .arg(rootScrolls ? QStringLiteral("true") : QStringLiteral("false"))
                      .arg(move.Lines)
                      .arg(move.Pages)
                      .arg(kLinePixels));
}

TPageScroll ScrollState(const QVariant& answer)
{
    const QVariantMap state = answer.toMap();
    if (state.isEmpty())
        return TPageScroll{true, 0, 0};
    return TPageScroll{state.value(QStringLiteral("rootScrolls")).toBool(),
                       RoundHalfEven(state.value(QStringLiteral("position")).toDouble()),
                       RoundHalfEven(state.value(QStringLiteral("range")).toDouble())};
}

} // namespace PageScripts
