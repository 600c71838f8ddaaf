#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

#include "os/ending_signals.h"
#include "os/pause.h"

namespace {

// The terminal's settings before the wait, and whether the handler is to put
// them back: set before the wait switches the terminal and cleared after it
// has put them back itself, so that whenever a signal comes, putting them
// back is either needed or harmless.
termios pradine{};
volatile sig_atomic_t atstatyti = 0;

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

}  // namespace

void Pauze() {
  std::cout.flush();
  if (!isatty(STDIN_FILENO)) return;
  sigset_t jokiu;
  sigemptyset(&jokiu);
  KiekvienamBaigianciam(
      [&jokiu](int s) { Perimti(s, AtstatytiIrBaigti, jokiu); });

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
