#include "PageClick.h"

#include "EventWait.h"
#include "uEmbeddedWB.h"

#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

constexpr int kEngineTimeoutMs = 8000;

} // namespace

bool ClickPageElement(TEmbeddedWB& browser, const QString& id)
{
    browser.Show();
    const QString centre =
        QStringLiteral("(e => e ? (r => [r.x + r.width / 2, r.y + r.height / 2])("
                       "e.getBoundingClientRect()) : null)(document.getElementById('%1'))")
            .arg(id);
    QVariantList point;
    bool answered = false;
    browser.View().page()->runJavaScript(centre, [&](const QVariant& result) {
        point = result.toList();
        answered = true;
    });
    if (!WaitFor([&] { return answered; }, kEngineTimeoutMs) || point.size() != 2)
        return false;
    QWidget* input = browser.View().focusProxy();
    if (!input)
        return false;
    QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(point[0].toInt(), point[1].toInt()));
    return true;
}
