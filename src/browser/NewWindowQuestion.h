#pragma once

class QUrl;

// Lets a page open a new browser window, outside the program, only as the settings and the
// user allow: one question at a time, and none again from a page the user refused, so a page
// that keeps asking never holds the user.
class TNewWindowQuestion {
public:
    void Ask(const QUrl& url);
    // Another page has loaded: it may ask again.
    void PageLoaded() { pageRefused_ = false; }

private:
    bool pageRefused_ = false;
};
