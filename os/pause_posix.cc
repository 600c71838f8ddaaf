#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

#include "os/pause.h"

namespace {

// The signals that a program can catch and whose default action ends it;
// the real-time ones, SIGRTMIN to SIGRTMAX, are not constants and are added
// by KiekvienamBaigianciam.
constexpr int kBaigiantysSignalai[] = {
    SIGHUP,    SIGINT,  SIGQUIT, SIGILL,  SIGTRAP,   SIGABRT, SIGBUS,
    SIGFPE,    SIGUSR1, SIGSEGV, SIGUSR2, SIGPIPE,   SIGALRM, SIGTERM,
    SIGXCPU,   SIGXFSZ, SIGSYS,  SIGPROF, SIGVTALRM,
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
constexpr int kSignaluRiba = NSIG;

// Calls veiksmas(s) for each signal that ends the program.
void KiekvienamBaigianciam(void (*veiksmas)(int)) {
  for (const int s : kBaigiantysSignalai) veiksmas(s);
#ifdef SIGRTMIN
  for (int s = SIGRTMIN; s <= SIGRTMAX && s < kSignaluRiba; ++s) veiksmas(s);
#endif
}

// The terminal's settings before the wait, and whether the handler is to put
// them back: set before the wait switches the terminal and cleared after it
// has put them back itself, so that whenever a signal comes, putting them
// back is either needed or harmless.
termios pradine{};
volatile sig_atomic_t atstatyti = 0;

// What each signal did before the wait.
struct sigaction buvo[kSignaluRiba];

// For a signal that ends the program while it waits: puts the terminal back,
// then ends the program by the signal's default action. Only from the
// terminal's foreground (or where it is not the controlling terminal, free
// of job control): in the background the terminal is the shell's, and
// setting it there would stop the program by SIGTTOU instead of ending it.
extern "C" void AtstatytiIrBaigti(int signalas) {
  const pid_t grupe = tcgetpgrp(STDIN_FILENO);
  if (atstatyti && (grupe == getpgrp() || (grupe == -1 && errno == ENOTTY))) {
    static_cast<void>(tcsetattr(STDIN_FILENO, TCSANOW, &pradine));
  }
  static_cast<void>(signal(signalas, SIG_DFL));
  // Blocked while this handler runs: delivered, by default, when it returns.
  static_cast<void>(raise(signalas));
}

// Keeps in buvo what signalas does and makes AtstatytiIrBaigti its handler,
// unless signalas is ignored (SIGPIPE, or one the program was started with
// ignored): then it stays ignored.
void Perimti(int signalas) {
  struct sigaction naujas {};
  naujas.sa_handler = AtstatytiIrBaigti;
  sigemptyset(&naujas.sa_mask);
  if (sigaction(signalas, nullptr, &buvo[signalas]) == 0 &&
      buvo[signalas].sa_handler != SIG_IGN) {
    sigaction(signalas, &naujas, nullptr);
  }
}

// Puts back what signalas did before Perimti; where Perimti changed nothing,
// this changes nothing either (a signal it could not look at cannot be set).
void Grazinti(int signalas) { sigaction(signalas, &buvo[signalas], nullptr); }

}  // namespace

void Pauze() {
  std::cout.flush();
  if (!isatty(STDIN_FILENO) ||
      (!isatty(STDOUT_FILENO) && !isatty(STDERR_FILENO))) {
    return;
  }
  KiekvienamBaigianciam(Perimti);

  // Started in the background, the program is stopped here by SIGTTOU until
  // it is in the foreground, so that it takes the settings the shell gives
  // it there, not those of the shell's line editor.
  static_cast<void>(tcdrain(STDIN_FILENO));
  atstatyti = tcgetattr(STDIN_FILENO, &pradine) == 0;
  // One key at a time, unechoed; Ctrl-C is a key too. Switched before the
  // prompt shows, so that even a key pressed at once is not echoed.
  termios laukti = pradine;
  laukti.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
  laukti.c_cc[VMIN] = 1;
  laukti.c_cc[VTIME] = 0;
  const bool perjungta =
      atstatyti && tcsetattr(STDIN_FILENO, TCSANOW, &laukti) == 0;

  // The prompt goes where it shows: to standard error when only that is the
  // terminal (standard output redirected to a file or a pipe).
  std::ostream& ekranas =
      !isatty(STDOUT_FILENO) && isatty(STDERR_FILENO) ? std::cerr : std::cout;
  ekranas << "Press any key to continue . . . " << std::flush;
  // No key is awaited that no prompt asked for. Read from the background
  // (after a stop, `bg`), this stops the program by SIGTTIN until it is in
  // the foreground again.
  char klavisas = 0;
  if (perjungta && ekranas) static_cast<void>(read(STDIN_FILENO, &klavisas, 1));
  if (perjungta) {
    // TCSAFLUSH drops the rest of a key of several bytes (an arrow).
    static_cast<void>(tcsetattr(STDIN_FILENO, TCSAFLUSH, &pradine));
  }
  atstatyti = 0;
  KiekvienamBaigianciam(Grazinti);
  ekranas << '\n' << std::flush;
}
