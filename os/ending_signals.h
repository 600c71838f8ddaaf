#pragma once

// POSIX only: the signals that end the program, which it takes over for a
// moment to leave things in order (the report emptied, the terminal
// restored) before it ends.

#include <signal.h>

// The signals that a program can catch and whose default action ends it;
// the real-time ones, SIGRTMIN to SIGRTMAX, are not constants and are added
// by KiekvienamBaigianciam.
inline constexpr int kBaigiantysSignalai[] = {
    SIGHUP,    SIGINT,  SIGQUIT, SIGILL,  SIGTRAP, SIGABRT,
    SIGBUS,    SIGFPE,  SIGUSR1, SIGSEGV, SIGUSR2, SIGPIPE,
    SIGALRM,   SIGTERM, SIGXCPU, SIGXFSZ, SIGSYS,  SIGPROF,
#ifdef SIGVTALRM
    SIGVTALRM,
#endif
#ifdef SIGPOLL
    SIGPOLL,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
#ifdef SIGEMT
    SIGEMT,
#endif
};

// One more than the largest signal number.
#ifdef NSIG
inline constexpr int kSignaluRiba = NSIG;
#else
inline constexpr int kSignaluRiba = 65;
#endif

// Calls veiksmas(s) for each signal that ends the program, the real-time
// ones included.
template <typename Veiksmas>
void KiekvienamBaigianciam(Veiksmas veiksmas) {
  for (const int s : kBaigiantysSignalai) veiksmas(s);
#ifdef SIGRTMIN
  for (int s = SIGRTMIN; s <= SIGRTMAX && s < kSignaluRiba; ++s) veiksmas(s);
#endif
}

// Makes tvarkykle the handler of signalas, with the signals of kauke blocked
// while it runs, unless the program was started with signalas ignored: then
// it stays ignored. Remembers what signalas did before.
// Requires: 0 < signalas < kSignaluRiba.
void Perimti(int signalas, void (*tvarkykle)(int), const sigset_t& kauke);

// Puts back what signalas did before Perimti, if Perimti changed it.
void Grazinti(int signalas);
