#pragma once

#include <QByteArray>

// The toolkit's platform a start of the viewer runs on. It places its windows itself, which a
// Wayland compositor does not let a client do; X11 does, XWayland too.
enum class TPlatform {
    AsTheUserSays, // QT_QPA_PLATFORM was given: it stands
    X11,
    X11OnWayland, // a Wayland session's XWayland
    Wayland,      // a Wayland session without XWayland: the compositor places the windows
};

// What of the session the choice reads from the environment.
struct TSessionEnvironment {
    QByteArray QtPlatform = {};     // QT_QPA_PLATFORM
    QByteArray WaylandDisplay = {}; // WAYLAND_DISPLAY
    QByteArray SessionType = {};    // XDG_SESSION_TYPE
    QByteArray X11Display = {};     // DISPLAY
};

TPlatform ChoosePlatform(const TSessionEnvironment& session);

// Chooses for this start, before the application object exists, and says once on the terminal
// when the compositor is to place the windows.
TPlatform ApplyPlatformChoice();
