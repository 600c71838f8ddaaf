#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

#include "app/pause.h"

namespace {

// The terminal's settings before the wait, for the signal handler.
termios pradine{};

// Signals that end the program while it waits: the terminal is restored, then
// the signal takes its default action. Only async-signal-safe calls here.
constexpr int kSignaluSkaicius = 4;
constexpr int kSignalai[kSignaluSkaicius] = {SIGTERM, SIGHUP, SIGINT, SIGQUIT};

extern "C" void AtstatytiIrBaigti(int signalas) {
  tcsetattr(STDIN_FILENO, TCSANOW, &pradine);
  static_cast<void>(signal(signalas, SIG_DFL));
  static_cast<void>(raise(signalas));
}

}  // namespace

void Pauze() {
  std::cout.flush();
  if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &pradine) != 0) return;

  struct sigaction buvo[kSignaluSkaicius];
  struct sigaction atstatyti {};
  atstatyti.sa_handler = AtstatytiIrBaigti;
  sigemptyset(&atstatyti.sa_mask);
  for (int k = 0; k < kSignaluSkaicius; ++k) {
    sigaction(kSignalai[k], &atstatyti, &buvo[k]);
  }

  // One key, unechoed, without waiting for Enter. Ctrl-C is taken as a key
  // too. The terminal is switched before the prompt shows, so even a key
  // pressed at once is not echoed.
  termios laukti = pradine;
  laukti.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
  laukti.c_cc[VMIN] = 1;
  laukti.c_cc[VTIME] = 0;
  const bool pakeista = tcsetattr(STDIN_FILENO, TCSANOW, &laukti) == 0;
  std::cout << "Press any key to continue . . . " << std::flush;
  if (pakeista) {
    char klavisas = 0;
    while (read(STDIN_FILENO, &klavisas, 1) < 0 && errno == EINTR) {
    }
    // Restoring with TCSAFLUSH drops the rest of a multi-byte key (arrows).
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &pradine);
  }
  for (int k = 0; k < kSignaluSkaicius; ++k) {
    sigaction(kSignalai[k], &buvo[k], nullptr);
  }
  std::cout << '\n' << std::flush;
}
