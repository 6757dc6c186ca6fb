#pragma once

class QWebEngineProfile;

// The one engine profile all embedded browsers share: off the record, so nothing of a browsing
// session reaches the disk, with the settings that keep pages local and the engine's own
// interface out of sight. Made on first use as a child of the application object, which
// outlives every window and so every page that uses it.
QWebEngineProfile& EngineProfile();
