// Times two programs from launch to the moment the X server maps a window
// with the first box's title, launching them in turn so that both see the
// same machine, and prints the medians and their ratio:
//   startup_bench <runs> <program> <floor program>
// Needs an X server without a window manager (DISPLAY), so that top-level
// windows are the root window's children and their mapping is seen there.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "entry/parameter_entry.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string WindowName(Display* display, Window window) {
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &items,
                           &left, &data) == Success &&
        data != nullptr) {
        name.assign(reinterpret_cast<const char*>(data), items);
        XFree(data);
    }
    return name;
}

// Milliseconds from launch until a window titled `title` is mapped.
double TimeToBox(Display* display, const char* program, const std::string& title) {
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    double elapsed = -1.0;
    while (elapsed < 0.0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && WindowName(display, event.xmap.window) == title) {
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XSync(display, True);  // drop what the ended program left queued
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: startup_bench <runs> <program> <floor program>\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_bench: no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    const std::string title(entry::kCustomerQuestion.title);
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<double> program;
    std::vector<double> floor;
    TimeToBox(display, argv[2], title);  // warms the caches of both
    TimeToBox(display, argv[3], title);
    for (int run = 0; run < runs; ++run) {
        program.push_back(TimeToBox(display, argv[2], title));
        floor.push_back(TimeToBox(display, argv[3], title));
    }
    const double programMedian = Median(program);
    const double floorMedian = Median(floor);
    std::printf("launch to the first box, medians of %d alternating launches\n", runs);
    std::printf("%-10s %8.1f ms  (%.1f to %.1f)\n", "program", programMedian,
                *std::min_element(program.begin(), program.end()),
                *std::max_element(program.begin(), program.end()));
    std::printf("%-10s %8.1f ms  (%.1f to %.1f)\n", "bare Qt", floorMedian,
                *std::min_element(floor.begin(), floor.end()),
                *std::max_element(floor.begin(), floor.end()));
    std::printf("ratio      %8.2f\n", programMedian / floorMedian);
    XCloseDisplay(display);
    return 0;
}
