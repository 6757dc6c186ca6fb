#pragma once

#include <QString>

class QUrl;

// A web address's host as the user should read it before letting a page open it: a label in a
// foreign script shows in that script, but a label that mixes scripts or is made wholly of
// letters that look like Latin ones ("аррӏе") shows in its xn-- form, as browsers show them,
// so a look-alike never reads as the site it imitates.
QString ShownHost(const QUrl& url);
