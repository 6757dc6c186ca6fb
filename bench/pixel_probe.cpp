// Times what a user sees: releases the mouse button that is held down (or, with --key, presses
// and releases that key), then reads one screen pixel every millisecond until it differs from
// what it was (or, given a colour, until it has that colour, within a few units a channel, as
// JPEG decoders may round apart), and prints the milliseconds from the release (or the key
// press) to then. With --since it does nothing and counts from a moment the caller took with
// `date +%s%N` just before it started a program: the time to that program's first picture.
// Usage: velmora_pixel_probe [--key KEYSYM | --since EPOCH_NS] X Y [RRGGBB [TIMEOUT_MS]]
// Exits 1 when it did not happen in time.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

constexpr long kDefaultTimeoutMs = 10000;
constexpr unsigned int kLeftButton = 1;
constexpr long kChannelTolerance = 6;

using Clock = std::chrono::system_clock;

unsigned long PixelAt(Display* display, Window root, int x, int y)
{
    XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return ~0UL;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel;
}

bool Near(unsigned long pixel, unsigned long colour)
{
    for (int shift = 0; shift <= 16; shift += 8) {
        const long difference = long((pixel >> shift) & 0xFF) - long((colour >> shift) & 0xFF);
        if (std::labs(difference) > kChannelTolerance)
            return false;
    }
    return true;
}

// What the user does that starts the time: a release of the held button or a stroke of a key.
void Act(Display* display, KeyCode key)
{
    if (key == 0) {
        XTestFakeButtonEvent(display, kLeftButton, False, CurrentTime);
    } else {
        XTestFakeKeyEvent(display, key, True, CurrentTime);
        XTestFakeKeyEvent(display, key, False, CurrentTime);
    }
    XFlush(display);
}

int Usage()
{
    std::fprintf(stderr, "usage: velmora_pixel_probe [--key KEYSYM | --since EPOCH_NS] X Y "
                         "[RRGGBB [TIMEOUT_MS]]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const char* keyName = nullptr;
    const char* since = nullptr;
    if (argc > 2 && std::strcmp(argv[1], "--key") == 0)
        keyName = argv[2];
    else if (argc > 2 && std::strcmp(argv[1], "--since") == 0)
        since = argv[2];
    if (keyName || since) {
        argc -= 2;
        argv += 2;
    }
    if (argc < 3)
        return Usage();
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
    const KeyCode key = keyName ? XKeysymToKeycode(display, XStringToKeysym(keyName)) : 0;
    if (keyName && key == 0) {
        std::fprintf(stderr, "no key %s\n", keyName);
        return 2;
    }
    const unsigned long before = PixelAt(display, root, x, y);

    Clock::time_point start = Clock::now();
    if (since)
        start = Clock::time_point(std::chrono::nanoseconds(std::strtoll(since, nullptr, 10)));
    else
        Act(display, key);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        const unsigned long now = PixelAt(display, root, x, y);
        if (toColour ? Near(now, colour) : now != before) {
            const auto elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start);
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
