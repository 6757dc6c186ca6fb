#pragma once

#include <QString>
#include <QStringView>

// The family the content's title font registers under: work titles and the search edit use it.
inline constexpr QStringView kTitleFontFamily = u"Warnock Pro";

// Installs the content's title font files for the user: each copied into the user's font folder
// (never over a file already there) and registered with the running program, so it draws at
// once. Failures are silent. Where the content ships none, its family falls to
// EB Garamond (Debian's fonts-ebgaramond, SIL Open Font Licence): a libre old-style serif of the
// same book tradition, which keeps titles beside the pages' serif headings.
void InstallTitleFonts(const QString& contentDir);

// The engine draws the pages through fontconfig, which knows nothing of the toolkit's
// substitutions: while the user has no font of the family, the same stand-in goes into a
// configuration of the viewer's own, the system's with one rule more, which this process and the
// engine's take from the environment. Before the application object and any use of fontconfig,
// which reads its configuration once; a failure leaves the system's.
void SubstituteTitleFontForThePages();
