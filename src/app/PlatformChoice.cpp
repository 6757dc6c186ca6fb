#include "PlatformChoice.h"

#include <QtGlobal>

#include <cstdio>

namespace {

// Qt's names of the platforms.
constexpr char kX11Platform[] = "xcb";
constexpr char kWaylandPlatform[] = "wayland";

} // namespace

TPlatform ChoosePlatform(const TSessionEnvironment& session)
{
    if (!session.QtPlatform.isEmpty())
        return TPlatform::AsTheUserSays;
    const bool wayland =
        !session.WaylandDisplay.isEmpty() || session.SessionType == kWaylandPlatform;
    if (!wayland)
        return TPlatform::X11;
    return session.X11Display.isEmpty() ? TPlatform::Wayland : TPlatform::X11OnWayland;
}

TPlatform ApplyPlatformChoice()
{
    const TPlatform platform = ChoosePlatform({.QtPlatform = qgetenv("QT_QPA_PLATFORM"),
                                               .WaylandDisplay = qgetenv("WAYLAND_DISPLAY"),
                                               .SessionType = qgetenv("XDG_SESSION_TYPE"),
                                               .X11Display = qgetenv("DISPLAY")});
    switch (platform) {
    case TPlatform::X11OnWayland:
        qputenv("QT_QPA_PLATFORM", kX11Platform);
        break;
    case TPlatform::Wayland:
        qputenv("QT_QPA_PLATFORM", kWaylandPlatform);
        std::fputs("Velmora: this Wayland session has no XWayland, so the desktop places the "
                   "viewer's windows; the question and the pop-up may not stand where they "
                   "belong.\n",
                   stderr);
        break;
    case TPlatform::X11: // the toolkit's own choice
    case TPlatform::AsTheUserSays:
        break;
    }
    return platform;
}
