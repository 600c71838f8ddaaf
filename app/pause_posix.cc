#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

#include "app/ending_signals.h"
#include "app/pause.h"

namespace {

// The terminal's settings before the wait and during it, for the handlers.
termios pradine{};
termios laukti{};

// Signals that stop the program: the terminal is restored while it is
// stopped, and the wait's settings are taken again when it goes on.
constexpr int kStabdantys[] = {SIGTSTP, SIGTTIN, SIGTTOU};

#ifdef NSIG
constexpr int kSignaluRiba = NSIG;
#else
constexpr int kSignaluRiba = 65;
#endif

// What each signal did before the wait, to put back after it, and whether
// this wait changed it.
struct sigaction buvo[kSignaluRiba];
bool pakeista[kSignaluRiba];

// Only async-signal-safe calls in the handlers below.
extern "C" void AtstatytiIrBaigti(int signalas) {
  tcsetattr(STDIN_FILENO, TCSANOW, &pradine);
  static_cast<void>(signal(signalas, SIG_DFL));
  // Blocked while this handler runs: delivered, by default, when it returns.
  static_cast<void>(raise(signalas));
}

extern "C" void AtstatytiIrSustoti(int signalas) {
  const int klaidos_nr = errno;
  tcsetattr(STDIN_FILENO, TCSANOW, &pradine);
  struct sigaction numatytas {};
  numatytas.sa_handler = SIG_DFL;
  struct sigaction sis {};
  sigaction(signalas, &numatytas, &sis);
  sigset_t vienas;
  sigemptyset(&vienas);
  sigaddset(&vienas, signalas);
  sigprocmask(SIG_UNBLOCK, &vienas, nullptr);
  static_cast<void>(raise(signalas));  // stopped here until SIGCONT
  sigaction(signalas, &sis, nullptr);
  errno = klaidos_nr;
}

extern "C" void VelLaukti(int) {
  const int klaidos_nr = errno;
  tcsetattr(STDIN_FILENO, TCSANOW, &laukti);
  errno = klaidos_nr;
}

// Sets the handler for signalas, unless the program was started with the
// signal ignored: then it stays ignored.
void Perimti(int signalas, void (*tvarkykle)(int)) {
  pakeista[signalas] = false;
  if (sigaction(signalas, nullptr, &buvo[signalas]) != 0 ||
      buvo[signalas].sa_handler == SIG_IGN) {
    return;
  }
  struct sigaction naujas {};
  naujas.sa_handler = tvarkykle;
  sigemptyset(&naujas.sa_mask);
  pakeista[signalas] = sigaction(signalas, &naujas, nullptr) == 0;
}

void Grazinti(int signalas) {
  if (pakeista[signalas]) sigaction(signalas, &buvo[signalas], nullptr);
}

}  // namespace

void Pauze() {
  std::cout.flush();
  if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &pradine) != 0) return;

  // One key, unechoed, without waiting for Enter. Ctrl-C is taken as a key
  // too.
  laukti = pradine;
  laukti.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
  laukti.c_cc[VMIN] = 1;
  laukti.c_cc[VTIME] = 0;

  // Each ending signal restores the terminal and then ends the program as
  // the signal would.
  for (const int s : kBaigiantysSignalai) Perimti(s, AtstatytiIrBaigti);
#ifdef SIGRTMIN
  for (int s = SIGRTMIN; s <= SIGRTMAX && s < kSignaluRiba; ++s) {
    Perimti(s, AtstatytiIrBaigti);
  }
#endif
  for (const int s : kStabdantys) Perimti(s, AtstatytiIrSustoti);
  Perimti(SIGCONT, VelLaukti);

  // The terminal is switched before the prompt shows, so that even a key
  // pressed at once is not echoed; a prompt that cannot be written (a closed
  // pipe) ends the program through its handler, which restores the terminal.
  const bool perjungta = tcsetattr(STDIN_FILENO, TCSANOW, &laukti) == 0;
  std::cout << "Press any key to continue . . . " << std::flush;
  if (perjungta) {
    char klavisas = 0;
    while (read(STDIN_FILENO, &klavisas, 1) < 0 && errno == EINTR) {
    }
  }
  // SIGCONT first, so that nothing switches the terminal back after this.
  // Restoring with TCSAFLUSH drops the rest of a multi-byte key (arrows).
  Grazinti(SIGCONT);
  if (perjungta) tcsetattr(STDIN_FILENO, TCSAFLUSH, &pradine);
  for (const int s : kStabdantys) Grazinti(s);
#ifdef SIGRTMIN
  for (int s = SIGRTMIN; s <= SIGRTMAX && s < kSignaluRiba; ++s) Grazinti(s);
#endif
  for (const int s : kBaigiantysSignalai) Grazinti(s);
  std::cout << '\n' << std::flush;
}
