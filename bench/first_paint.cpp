// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on the current X display and measures the time from exec
// to the first painted content of its window, and its resident memory then.
// The display's root must be black and hold no other window; content is any
// non-black pixel in the top-left 314 x 383 pixels. Prints "ms rss_kib".
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

namespace {

long ResidentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

bool Painted(Display* display) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), 0, 0, 314, 383, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    bool any = false;
    for (int y = 0; y < image->height && !any; y += 2) {
        for (int x = 0; x < image->width && !any; x += 2) any = XGetPixel(image, x, y) != 0;
    }
    XDestroyImage(image);
    return any;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: first_paint PROGRAM\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    if (Painted(display)) {
        std::fprintf(stderr, "the screen is not clear\n");
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        _exit(127);
    }
    int result = 1;
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
        if (Painted(display)) {
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            std::printf("%.1f %ld\n", ms, ResidentKib(pid));
            result = 0;
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return result;
}
