// Times what a user sees: releases the mouse button that is held down, then reads one screen
// pixel every millisecond until it differs from what it was (or, given a colour, until it has
// that colour), and prints the milliseconds from the release to then.
// Usage: velmora_pixel_probe X Y [RRGGBB [TIMEOUT_MS]]
// Exits 1 when it did not happen in time.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

constexpr long kDefaultTimeoutMs = 10000;
constexpr unsigned int kLeftButton = 1;

unsigned long PixelAt(Display* display, Window root, int x, int y)
{
    XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return ~0UL;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s X Y [TIMEOUT_MS]\n", argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const bool toColour = argc > 3 && argv[3][0] != '\0';
    const unsigned long colour = toColour ? std::strtoul(argv[3], nullptr, 16) : 0;
    const long timeoutMs = argc > 4 ? std::atol(argv[4]) : kDefaultTimeoutMs;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    const unsigned long before = PixelAt(display, root, x, y);

    using Clock = std::chrono::steady_clock;
    const Clock::time_point released = Clock::now();
    XTestFakeButtonEvent(display, kLeftButton, False, CurrentTime);
    XFlush(display);
    const Clock::time_point deadline = released + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        const unsigned long now = PixelAt(display, root, x, y);
        if (toColour ? now == colour : now != before) {
            const auto elapsed = std::chrono::duration<double, std::milli>(Clock::now() - released);
            std::printf("%.0f\n", elapsed.count());
            XCloseDisplay(display);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::printf("timeout\n");
    XCloseDisplay(display);
    return 1;
}
