// SPDX-License-Identifier: MIT
// Whole-process measurements on a running X server (Xvfb in bench/run.sh), for the
// program and for the floor, several runs each, alternating:
//   start to first painted frame, resident memory when idle, processor time while
//   idle, and processor time per key press during a run.
// Usage: process_bench RUNS PROGRAM FLOOR, each a command line of words split at blanks
// (for instance "/usr/lib/wine/wine64 fendrel.exe").
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int keyPresses = 3000;
constexpr auto idleSpan = std::chrono::seconds(3);

struct Sample {
    double startMs, rssMb, idleCpuMs, cpuPerKeyUs;
};

pid_t launch(const std::string& command)
{
    std::vector<std::string> words;
    for (std::size_t start = 0, end; start < command.size(); start = end + 1) {
        end = std::min(command.find(' ', start), command.size());
        words.push_back(command.substr(start, end - start));
    }
    std::vector<char*> arguments;
    for (std::string& word : words)
        arguments.push_back(word.data());
    arguments.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        execv(arguments[0], arguments.data());
        _exit(127);
    }
    return pid;
}

long propertyPid(Display* display, Window window)
{
    static const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data)
            == Success
        && data && count == 1)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

// The viewable top-level window of the process, or 0.
Window findWindow(Display* display, pid_t pid)
{
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable
            && attributes.width >= 792 && propertyPid(display, children[i]) == pid)
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

// The server starts with a black root (Xvfb -br); the first frame paints the light background.
bool painted(Display* display, Window window)
{
    XImage* image = XGetImage(display, window, 400, 100, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return (pixel & 0xFFFFFF) != 0;
}

// Processor time of all the process's threads (Qt's X11 event reader among them), from
// the scheduler's nanosecond counters.
double cpuMs(pid_t pid)
{
    double nanoseconds = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double onCpu = 0;
        if (schedstat >> onCpu)
            nanoseconds += onCpu;
    }
    return nanoseconds / 1e6;
}

double rssMb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void click(Display* display, Window window)
{
    int x, y;
    Window child;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 400, 100, &x, &y, &child);
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
}

Sample measure(Display* display, const std::string& command)
{
    Sample sample{};
    const auto start = Clock::now();
    const pid_t pid = launch(command);
    Window window = 0;
    while (!window || !painted(display, window)) {
        if (!window)
            window = findWindow(display, pid);
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    sample.startMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();

    std::this_thread::sleep_for(std::chrono::seconds(1));
    sample.rssMb = rssMb(pid);
    const double idleStart = cpuMs(pid);
    std::this_thread::sleep_for(idleSpan);
    sample.idleCpuMs = cpuMs(pid) - idleStart;

    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    click(display, window); // starts a run; the floor ignores it
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const double keysStart = cpuMs(pid);
    const KeyCode right = XKeysymToKeycode(display, XK_Right), left = XKeysymToKeycode(display, XK_Left);
    for (int press = 0; press < keyPresses; ++press) {
        const KeyCode key = press % 2 ? left : right;
        XTestFakeKeyEvent(display, key, True, CurrentTime);
        XTestFakeKeyEvent(display, key, False, CurrentTime);
        XSync(display, False);
        // Paced like a fast key repeat, so that every press gets a frame of its own.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200)); // the last frames
    sample.cpuPerKeyUs = 1000.0 * (cpuMs(pid) - keysStart) / keyPresses;

    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Windows come and go while the tree is searched (Wine makes short-lived ones).
int ignoreVanishedWindows(Display*, XErrorEvent*)
{
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM FLOOR\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSetErrorHandler(ignoreVanishedWindows);
    const int runs = std::atoi(argv[1]);
    std::vector<Sample> samples[2];
    for (int run = 0; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            const int target = (run + which) % 2; // alternate which goes first
            samples[target].push_back(measure(display, argv[2 + target]));
            const Sample& s = samples[target].back();
            std::printf("run %d %-7s start %7.1f ms  rss %6.1f MB  idle cpu %6.3f ms/%llds  cpu/key %6.1f us\n",
                        run + 1, target == 0 ? "program" : "floor", s.startMs, s.rssMb, s.idleCpuMs,
                        static_cast<long long>(idleSpan.count()), s.cpuPerKeyUs);
            std::fflush(stdout);
        }
    }
    const char* names[] = {"start to first frame (ms)", "resident memory idle (MB)", "cpu while idle (ms per 3 s)",
                           "cpu per key press (us)"};
    std::printf("\n%-30s %10s %10s %8s\n", "median of runs", "program", "floor", "ratio");
    for (int metric = 0; metric < 4; ++metric) {
        std::vector<double> values[2];
        for (int target = 0; target < 2; ++target)
            for (const Sample& s : samples[target])
                values[target].push_back(metric == 0 ? s.startMs
                                         : metric == 1 ? s.rssMb
                                         : metric == 2 ? s.idleCpuMs
                                                       : s.cpuPerKeyUs);
        const double p = median(values[0]), f = median(values[1]);
        std::printf("%-30s %10.2f %10.2f %8.2f\n", names[metric], p, f, f > 0 ? p / f : 0.0);
    }
    XCloseDisplay(display);
    return 0;
}
