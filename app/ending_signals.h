#pragma once

// POSIX only.

#include <signal.h>

// The signals that a program can catch and whose default action ends it.
// The real-time signals, SIGRTMIN to SIGRTMAX where SIGRTMIN is defined, end
// it too but are not constants: code that takes over these signals takes
// that range as well.
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
