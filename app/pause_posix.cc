#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

#include "app/pause.h"

void Pauze() {
  std::cout.flush();
  termios pradine{};
  if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &pradine) != 0) return;

  // One key, unechoed, without waiting for Enter. Ctrl-C is taken as a key
  // too, so the terminal is always restored. The terminal is switched before
  // the prompt shows, so even a key pressed at once is not echoed.
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
  std::cout << '\n' << std::flush;
}
