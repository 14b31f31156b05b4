// Start-up time: from process start until the program's first window is
// mapped on the X server, for the program and for an empty Qt main window,
// alternating, with the peak memory of each run.
//
//     startzeit <runs> <program> <yardstick>     (needs DISPLAY, no window manager)
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

struct Lauf {
    double millisekunden;
    long speicherKiB;
};

Lauf Starten(Display *anzeige, const char *programm)
{
    XSync(anzeige, True);
    const auto beginn = std::chrono::steady_clock::now();
    pid_t pid = 0;
    char *argumente[] = {const_cast<char *>(programm), nullptr};
    if (posix_spawn(&pid, programm, nullptr, nullptr, argumente, environ) != 0) {
        std::perror(programm);
        std::exit(1);
    }
    XEvent ereignis;
    for (;;) {
        XNextEvent(anzeige, &ereignis);
        if (ereignis.type == MapNotify)
            break;
    }
    const auto ende = std::chrono::steady_clock::now();
    kill(pid, SIGTERM);
    int status = 0;
    rusage verbrauch{};
    wait4(pid, &status, 0, &verbrauch);
    return {std::chrono::duration<double, std::milli>(ende - beginn).count(), verbrauch.ru_maxrss};
}

template <typename T>
T Median(std::vector<T> werte)
{
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "startzeit <runs> <program> <yardstick>\n");
        return 2;
    }
    const int laeufe = std::atoi(argv[1]);
    Display *anzeige = XOpenDisplay(nullptr);
    if (!anzeige) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSelectInput(anzeige, DefaultRootWindow(anzeige), SubstructureNotifyMask);

    std::vector<double> zeitProgramm, zeitLeer, verhaeltnis;
    std::vector<long> speicherProgramm, speicherLeer;
    Starten(anzeige, argv[2]);  // warm the caches for both
    Starten(anzeige, argv[3]);
    for (int i = 0; i < laeufe; ++i) {
        const Lauf p = Starten(anzeige, argv[2]);
        const Lauf l = Starten(anzeige, argv[3]);
        zeitProgramm.push_back(p.millisekunden);
        zeitLeer.push_back(l.millisekunden);
        verhaeltnis.push_back(p.millisekunden / l.millisekunden);
        speicherProgramm.push_back(p.speicherKiB);
        speicherLeer.push_back(l.speicherKiB);
    }
    std::printf("runs: %d (alternating)\n", laeufe);
    std::printf("program:   median %.1f ms, peak memory median %ld KiB\n", Median(zeitProgramm),
                Median(speicherProgramm));
    std::printf("yardstick: median %.1f ms, peak memory median %ld KiB\n", Median(zeitLeer),
                Median(speicherLeer));
    std::printf("median ratio of paired runs: %.2f\n", Median(verhaeltnis));
    XCloseDisplay(anzeige);
    return 0;
}
