// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up race: two programs started in turn on the same X server, each
// timed from its start to its first mapped window, with its peak memory.
//
//     corsa [--volte N] PROGRAM OTHER...
//
// Run it under an X server of its own (xvfb-run), with no window manager:
// every top-level window is then mapped straight on the root window, where
// the race watches for it. Two warm-up runs each are not counted; then the
// runs go round the programs in turn. Each other program's figures are
// compared with the first's.

#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct Corsa {
    double millisecondi = -1;   // to the first mapped window; negative: none within the limit
    double mebibyte = 0;        // peak resident memory
};

using Orologio = std::chrono::steady_clock;

Corsa corri(xcb_connection_t* x, const char* programma)
{
    Corsa corsa;
    char* argomenti[] = {const_cast<char*>(programma), nullptr};
    pid_t pid = 0;
    const auto inizio = Orologio::now();
    if (posix_spawn(&pid, programma, nullptr, nullptr, argomenti, environ) != 0) {
        std::fprintf(stderr, "corsa: cannot start %s: %s\n", programma, std::strerror(errno));
        return corsa;
    }
    pollfd attesa{xcb_get_file_descriptor(x), POLLIN, 0};
    const auto limite = inizio + std::chrono::seconds(20);
    while (corsa.millisecondi < 0 && Orologio::now() < limite) {
        while (xcb_generic_event_t* evento = xcb_poll_for_event(x)) {
            const bool mappata = (evento->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                                 !reinterpret_cast<xcb_map_notify_event_t*>(evento)->override_redirect;
            std::free(evento);
            if (mappata && corsa.millisecondi < 0)
                corsa.millisecondi =
                    std::chrono::duration<double, std::milli>(Orologio::now() - inizio).count();
        }
        if (corsa.millisecondi < 0)
            poll(&attesa, 1, 5);
    }
    kill(pid, SIGTERM);
    int stato = 0;
    rusage uso{};
    wait4(pid, &stato, 0, &uso);
    corsa.mebibyte = double(uso.ru_maxrss) / 1024.0;   // KiB on Linux
    // What the finished program leaves in the queue belongs to no run.
    xcb_flush(x);
    while (xcb_generic_event_t* evento = xcb_poll_for_event(x))
        std::free(evento);
    return corsa;
}

double mediana(std::vector<double> valori)
{
    std::sort(valori.begin(), valori.end());
    return valori.empty() ? 0 : valori[valori.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    int volte = 9;
    std::vector<const char*> programmi;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--volte") == 0 && i + 1 < argc)
            volte = std::max(1, std::atoi(argv[++i]));
        else
            programmi.push_back(argv[i]);
    }
    if (programmi.size() < 2) {
        std::fprintf(stderr, "usage: corsa [--volte N] PROGRAM OTHER...\n");
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "corsa: no X server (run it under xvfb-run)\n");
        return 2;
    }
    xcb_screen_t* schermo = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t maschera = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, schermo->root, XCB_CW_EVENT_MASK, &maschera);
    xcb_flush(x);

    for (int riscaldamento = 0; riscaldamento < 2; ++riscaldamento)
        for (const char* p : programmi)
            corri(x, p);

    const std::size_t n = programmi.size();
    std::vector<std::vector<double>> tempi(n), memoria(n);
    bool completa = true;
    for (int v = 0; v < volte; ++v) {
        for (std::size_t p = 0; p < n; ++p) {
            const Corsa c = corri(x, programmi[p]);
            completa = completa && c.millisecondi >= 0;
            tempi[p].push_back(c.millisecondi);
            memoria[p].push_back(c.mebibyte);
        }
    }
    xcb_disconnect(x);

    std::printf("%-40s %14s %14s\n", "program", "first window", "peak memory");
    std::vector<double> t(n), m(n);
    for (std::size_t p = 0; p < n; ++p) {
        t[p] = mediana(tempi[p]);
        m[p] = mediana(memoria[p]);
        std::printf("%-40s %11.1f ms %10.1f MiB\n", programmi[p], t[p], m[p]);
    }
    for (std::size_t p = 1; p < n; ++p)
        std::printf("against %s: time ratio %.2f (goal <= 1.2), memory %+.1f MiB (goal <= 8)\n", programmi[p],
                    t[0] / t[p], m[0] - m[p]);
    std::printf("medians of %d runs each\n", volte);
    return completa ? 0 : 1;
}
