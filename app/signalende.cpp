#include "app/signalende.h"

#include "project/dauerhaftschreiben.h"

#include <csignal>
#include <thread>
#include <pthread.h>
#include <unistd.h>

void SignaleAbfangen()
{
    // A thread of its own takes the signals with sigwait(), so that ending
    // may wait for a lock, which a signal handler could not.
    sigset_t menge;
    sigemptyset(&menge);
    bool eines = false;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction bisher {};
        if (sigaction(signal, nullptr, &bisher) == 0 && bisher.sa_handler != SIG_IGN) {
            sigaddset(&menge, signal);
            eines = true;
        }
    }
    if (!eines || pthread_sigmask(SIG_BLOCK, &menge, nullptr) != 0)
        return;
    std::thread([menge] {
        int signal = 0;
        while (sigwait(&menge, &signal) != 0) {
        }
        // the progress line must not stand before the shell's prompt
        // (where that write fails, only the line stays)
        if (::isatty(STDERR_FILENO) && ::write(STDERR_FILENO, "\r\033[K", 4) < 0) {
        }
        ventoris::SchreibenAbbrechenUndBeenden(128 + signal);
    }).detach();
}
