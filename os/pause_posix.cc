#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

#include "os/ending_signals.h"
#include "os/pause.h"

namespace {

// The terminal's settings when the wait took it, and those of the wait.
termios pradine{};
termios laukti{};

// Set from the switch to laukti until the wait restores pradine: only then
// do the handlers put pradine back or take laukti again. The wait changes it
// together with the terminal, with the handled signals but SIGTTOU blocked.
volatile sig_atomic_t perjungta = 0;

// The signals the wait handles: all blocked while any of its handlers runs,
// so that the handlers never interrupt one another.
sigset_t perimami;

// Whether the program may set the terminal without being stopped for it:
// its process group is the terminal's foreground one, or the terminal is not
// its controlling terminal, where job control does not apply.
bool Priekyje() {
  const pid_t grupe = tcgetpgrp(STDIN_FILENO);
  return grupe == getpgrp() || (grupe == -1 && errno == ENOTTY);
}

// Sets the terminal, again when a signal interrupts the call.
void Nustatyti(int kada, const termios& nustatymai) {
  while (tcsetattr(STDIN_FILENO, kada, &nustatymai) != 0 && errno == EINTR) {
  }
}

// The handlers below make only async-signal-safe calls, and they set the
// terminal only from the foreground (and with SIGTTOU blocked): from the
// background that would stop the program, and the terminal is the shell's
// there.

// For an ending signal: puts the terminal back, then ends the program by the
// signal's default action.
extern "C" void AtstatytiIrBaigti(int signalas) {
  if (perjungta && Priekyje()) Nustatyti(TCSANOW, pradine);
  // A SIGCONT handled before the program ends must not switch it again.
  perjungta = 0;
  static_cast<void>(signal(signalas, SIG_DFL));
  // Blocked while this handler runs: delivered, by default, when it returns.
  static_cast<void>(raise(signalas));
}

// For a stop signal: puts the terminal back, stops the program by the
// signal's default action and, when it goes on in the foreground, takes the
// wait's settings again; so too when the stop was discarded, as it is in a
// process group that no shell can continue.
extern "C" void AtstatytiIrSustoti(int signalas) {
  const int klaidos_nr = errno;
  if (perjungta && Priekyje()) Nustatyti(TCSANOW, pradine);
  struct sigaction numatytas {};
  numatytas.sa_handler = SIG_DFL;
  struct sigaction sis {};
  sigaction(signalas, &numatytas, &sis);
  sigset_t vienas;
  sigemptyset(&vienas);
  sigaddset(&vienas, signalas);
  sigprocmask(SIG_UNBLOCK, &vienas, nullptr);
  static_cast<void>(raise(signalas));  // stopped here until SIGCONT
  sigprocmask(SIG_BLOCK, &vienas, nullptr);
  sigaction(signalas, &sis, nullptr);
  if (perjungta && Priekyje()) Nustatyti(TCSANOW, laukti);
  errno = klaidos_nr;
}

// For SIGCONT: in the foreground, takes the wait's settings again, which a
// shell replaces with its own while the program is stopped by SIGSTOP (which
// has no handler).
extern "C" void VelLaukti(int) {
  const int klaidos_nr = errno;
  if (perjungta && Priekyje()) Nustatyti(TCSANOW, laukti);
  errno = klaidos_nr;
}

// Calls veiksmas(signal, handler) for each signal the wait takes over (but
// leaves ignored where it was ignored at start) and gives back after it.
template <typename Veiksmas>
void KiekvienamSignalui(Veiksmas veiksmas) {
  KiekvienamBaigianciam([&veiksmas](int s) { veiksmas(s, AtstatytiIrBaigti); });
  for (const int s : {SIGTSTP, SIGTTIN, SIGTTOU}) {
    veiksmas(s, AtstatytiIrSustoti);
  }
  veiksmas(SIGCONT, VelLaukti);
}

// Blocks the handled signals but SIGTTOU, which must still stop the program
// when it sets the terminal from the background; returns the mask to put
// back.
sigset_t Blokuoti() {
  sigset_t blokuoti = perimami;
  sigdelset(&blokuoti, SIGTTOU);
  sigset_t buvusi;
  sigprocmask(SIG_BLOCK, &blokuoti, &buvusi);
  return buvusi;
}

// Returns once the program's process group is in the terminal's foreground
// (or the terminal is not its controlling one). From the background, asking
// for the foreground stops the process group by SIGTTOU until a shell
// continues it; in the foreground the request changes nothing. False where
// the request would take the terminal from the shell instead (SIGTTOU
// ignored or blocked) or cannot stop the program (a process group without a
// shell).
bool LauktiPriekio() {
  for (;;) {
    if (Priekyje()) return true;
    sigset_t kauke;
    struct sigaction veiksmas {};
    if (sigprocmask(SIG_BLOCK, nullptr, &kauke) != 0 ||
        sigismember(&kauke, SIGTTOU) != 0 ||
        sigaction(SIGTTOU, nullptr, &veiksmas) != 0 ||
        veiksmas.sa_handler == SIG_IGN) {
      return false;
    }
    if (tcsetpgrp(STDIN_FILENO, getpgrp()) == 0) return true;
    if (errno != EINTR) return false;
  }
}

// Takes the terminal in the foreground: keeps its settings in pradine and
// switches it to laukti, one key at a time without echo. Ctrl-C is taken as
// a key too. False if it cannot be had or switched.
bool Perjungti() {
  for (;;) {
    if (!LauktiPriekio()) return false;
    const sigset_t buvusi = Blokuoti();
    bool gerai = tcgetattr(STDIN_FILENO, &pradine) == 0;
    laukti = pradine;
    laukti.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
    laukti.c_cc[VMIN] = 1;
    laukti.c_cc[VTIME] = 0;
    // Interrupted when the program was sent to the background meanwhile:
    // then it waits for the foreground again.
    gerai = gerai && tcsetattr(STDIN_FILENO, TCSANOW, &laukti) == 0;
    const int klaidos_nr = errno;
    if (gerai) perjungta = 1;
    sigprocmask(SIG_SETMASK, &buvusi, nullptr);
    if (gerai) return true;
    if (klaidos_nr != EINTR) return false;
  }
}

}  // namespace

void Pauze() {
  std::cout.flush();
  if (!isatty(STDIN_FILENO)) return;

  sigemptyset(&perimami);
  KiekvienamSignalui([](int s, void (*)(int)) { sigaddset(&perimami, s); });
  KiekvienamSignalui(
      [](int s, void (*tvarkykle)(int)) { Perimti(s, tvarkykle, perimami); });

  // The terminal is switched before the prompt shows, so that even a key
  // pressed at once is not echoed; a prompt that cannot be written (a closed
  // pipe) ends the program through its handler, which restores the terminal.
  // Started in the background, the program stops before either, until it is
  // in the foreground.
  const bool perjungtas = Perjungti();
  // The prompt goes where it shows: to standard error when only that is the
  // terminal (standard output redirected to a file or a pipe).
  std::ostream& ekranas =
      !isatty(STDOUT_FILENO) && isatty(STDERR_FILENO) ? std::cerr : std::cout;
  ekranas << "Press any key to continue . . . " << std::flush;
  if (perjungtas) {
    // Read from the background (after a stop, `bg`), this stops the program
    // by SIGTTIN until it is in the foreground again.
    char klavisas = 0;
    while (read(STDIN_FILENO, &klavisas, 1) < 0 && errno == EINTR) {
    }
  }
  // The handlers leave the terminal alone from here on. Restoring with
  // TCSAFLUSH drops the rest of a multi-byte key (arrows).
  const sigset_t buvusi = Blokuoti();
  perjungta = 0;
  if (perjungtas) Nustatyti(TCSAFLUSH, pradine);
  KiekvienamSignalui([](int s, void (*)(int)) { Grazinti(s); });
  sigprocmask(SIG_SETMASK, &buvusi, nullptr);
  ekranas << '\n' << std::flush;
}
