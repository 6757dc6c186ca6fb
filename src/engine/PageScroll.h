#pragma once

// The page's scroll state as a window's skinned bar needs it.
struct TPageScroll {
    bool RootScrolls = true; // the page scrolls on its root element, not on its body
    int Position = 0;        // the scrolling element's scrollTop, rounded
    int Range = 0; // its scrollHeight - clientHeight, rounded; 0 or less: nothing to scroll
};
