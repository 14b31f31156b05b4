// Start-up time: from process start until the program's first window is
// mapped on the X server, and until its first frame is painted into it (the
// first damage that the DAMAGE extension reports for the mapped window),
// for the program and for a yardstick window, alternating, with the peak
// memory of each run.
//
//     startzeit <runs> <program> <yardstick>     (needs DISPLAY, no window manager)
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

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
    double millisekunden;  // to the first mapped window
    double gemalt;  // to its first painted frame
    long speicherKiB;
};

int damageEreignis = 0;

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
    // Every new top-level window is watched for damage from its creation
    // on, so that no paint can slip past between its mapping and the watch.
    std::vector<Damage> beobachtet;
    XEvent ereignis;
    Window fenster = 0;
    std::chrono::steady_clock::time_point abgebildet;
    for (;;) {
        XNextEvent(anzeige, &ereignis);
        if (ereignis.type == CreateNotify) {
            beobachtet.push_back(XDamageCreate(anzeige, ereignis.xcreatewindow.window, XDamageReportNonEmpty));
        } else if (ereignis.type == MapNotify && !fenster) {
            fenster = ereignis.xmap.window;
            abgebildet = std::chrono::steady_clock::now();
        } else if (ereignis.type == damageEreignis + XDamageNotify && fenster
                   && reinterpret_cast<XDamageNotifyEvent *>(&ereignis)->drawable == fenster) {
            break;
        }
    }
    const auto ende = std::chrono::steady_clock::now();
    kill(pid, SIGTERM);
    int status = 0;
    rusage verbrauch{};
    wait4(pid, &status, 0, &verbrauch);
    // The windows are gone with the process, and their damage objects with
    // them.
    XSync(anzeige, True);
    const auto ms = [&](auto bis) { return std::chrono::duration<double, std::milli>(bis - beginn).count(); };
    return {ms(abgebildet), ms(ende), verbrauch.ru_maxrss};
}

template<typename T>
T Median(std::vector<T> werte)
{
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

}  // namespace

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
    int damageFehler = 0;
    if (!XDamageQueryExtension(anzeige, &damageEreignis, &damageFehler)) {
        std::fprintf(stderr, "no DAMAGE extension\n");
        return 1;
    }
    XSelectInput(anzeige, DefaultRootWindow(anzeige), SubstructureNotifyMask);

    std::vector<double> zeitProgramm, zeitLeer, verhaeltnis;
    std::vector<double> gemaltProgramm, gemaltLeer, verhaeltnisGemalt;
    std::vector<long> speicherProgramm, speicherLeer;
    Starten(anzeige, argv[2]);  // warm the caches for both
    Starten(anzeige, argv[3]);
    for (int i = 0; i < laeufe; ++i) {
        const Lauf p = Starten(anzeige, argv[2]);
        const Lauf l = Starten(anzeige, argv[3]);
        zeitProgramm.push_back(p.millisekunden);
        zeitLeer.push_back(l.millisekunden);
        verhaeltnis.push_back(p.millisekunden / l.millisekunden);
        gemaltProgramm.push_back(p.gemalt);
        gemaltLeer.push_back(l.gemalt);
        verhaeltnisGemalt.push_back(p.gemalt / l.gemalt);
        speicherProgramm.push_back(p.speicherKiB);
        speicherLeer.push_back(l.speicherKiB);
    }
    std::printf("runs: %d (alternating)\n", laeufe);
    std::printf("program:   mapped median %.1f ms, painted median %.1f ms, peak memory median %ld KiB\n",
                Median(zeitProgramm), Median(gemaltProgramm), Median(speicherProgramm));
    std::printf("yardstick: mapped median %.1f ms, painted median %.1f ms, peak memory median %ld KiB\n",
                Median(zeitLeer), Median(gemaltLeer), Median(speicherLeer));
    std::printf("median ratio of paired runs: mapped %.2f, painted %.2f\n", Median(verhaeltnis),
                Median(verhaeltnisGemalt));
    XCloseDisplay(anzeige);
    return 0;
}
