#pragma once

class QUrl;

// Lets a page open a web site in the user's browser, outside the program, only as the settings
// and the user allow: one question at a time, naming the site; none again from a page the user
// refused, so a page that keeps asking never holds the user; none from a window the user does
// not see. Any address but a web site's (mail, ssh, files, desktop entries) goes nowhere.
class TNewWindowQuestion {
public:
    void Ask(const QUrl& url, bool windowShown);
    // Another page has loaded: it may ask again.
    void PageLoaded() { pageRefused_ = false; }

private:
    bool pageRefused_ = false;
};
