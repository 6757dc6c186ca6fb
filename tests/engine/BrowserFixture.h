#pragma once

#include "uEmbeddedWB.h"

#include <QTemporaryDir>
#include <QVariant>
#include <QWebEngineScript>
#include <QWidget>

#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <vector>

// A shown window holding one real embedded browser, pages written into a temporary folder,
// and waits for the engine's answers.
class BrowserFixture : public testing::Test {
protected:
    BrowserFixture();
    ~BrowserFixture() override;

    QString PathOf(const QString& name) const { return dir_.filePath(name); }
    QUrl UrlOf(const QString& name) const { return QUrl::fromLocalFile(PathOf(name)); }

    // Writes the page file and loads it; true once its load has completed.
    bool Load(const QString& name, std::string_view bytes);
    // Navigates and waits until count loads have completed in all.
    bool NavigateAndWait(const QString& name, size_t count);

    std::optional<TPageScroll> Scroll();
    std::optional<TPageScroll> Step(TPageStep step, bool rootScrolls);
    bool SetScroll(int position);
    bool Write(const std::string& pageText);
    // A test's own look into the document: the script's answer, run in the page's own world or,
    // with ApplicationWorld, in the viewer's.
    QVariant Evaluate(const QString& script, quint32 world = QWebEngineScript::MainWorld);

    QTemporaryDir dir_;
    QWidget window_;
    TEmbeddedWB wb_{window_, QRect(0, 0, 600, 400)};
    std::vector<QUrl> completed_;
};

// Pages 3000 pixels high in the 400-pixel view: scrolling on the root element (standards
// mode) and on the body (quirks mode, no doctype); and one that fits.
inline constexpr std::string_view kRootPage =
    "<!DOCTYPE html><html><body style=\"margin:0\"><div style=\"height:3000px\">root</div>"
    "</body></html>";
inline constexpr std::string_view kBodyPage =
    "<html><body style=\"margin:0; overflow:auto\"><div style=\"height:3000px\">body</div>"
    "</body></html>";
inline constexpr std::string_view kShortPage = "<!DOCTYPE html><p>short</p>";
inline constexpr int kLongRange = 3000 - 400;
