#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <iterator>

#include "os/pause.h"

namespace {

bool Konsole(DWORD srautas) {
  DWORD rezimas = 0;
  return GetConsoleMode(GetStdHandle(srautas), &rezimas) != 0;
}

// Shift, Ctrl, Alt, the Windows keys and the lock keys: alone, they do not
// end the wait.
constexpr WORD kNeKlavisai[] = {VK_SHIFT, VK_CONTROL, VK_MENU,    VK_LWIN,
                                VK_RWIN,  VK_CAPITAL, VK_NUMLOCK, VK_SCROLL};

// Drops the keys pressed before, then waits on the console of standard input
// until a key other than those of kNeKlavisai goes down.
void LauktiKlaviso() {
  const HANDLE ivestis = GetStdHandle(STD_INPUT_HANDLE);
  FlushConsoleInputBuffer(ivestis);
  INPUT_RECORD irasas{};
  DWORD gauta = 0;
  while (ReadConsoleInputW(ivestis, &irasas, 1, &gauta) && gauta == 1) {
    const KEY_EVENT_RECORD& k = irasas.Event.KeyEvent;
    if (irasas.EventType == KEY_EVENT && k.bKeyDown &&
        std::find(std::begin(kNeKlavisai), std::end(kNeKlavisai),
                  k.wVirtualKeyCode) == std::end(kNeKlavisai)) {
      return;
    }
  }
}

}  // namespace

void Pauze() {
  std::cout.flush();
  const bool is_konsoles = Konsole(STD_INPUT_HANDLE);
  const bool i_konsole = Konsole(STD_OUTPUT_HANDLE);
  // The command interpreter's own "pause", which writes its prompt to
  // standard output: where that is the console (a double-clicked program's
  // window), or where there is no console to wait on.
  if (i_konsole || !is_konsoles) {
    if (std::system("pause") == 0 || !is_konsoles) return;
  }
  // The interpreter could not be run or failed, or its prompt would go to a
  // file or a pipe while the console waits: the wait is done here, with the
  // prompt on standard output, or on standard error where only that is the
  // console.
  std::ostream& ekranas =
      !i_konsole && Konsole(STD_ERROR_HANDLE) ? std::cerr : std::cout;
  ekranas << "Press any key to continue . . . " << std::flush;
  LauktiKlaviso();
  ekranas << '\n' << std::flush;
}
