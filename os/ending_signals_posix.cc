#include "os/ending_signals.h"

namespace {

// What each signal did before Perimti, and whether Perimti changed it.
struct sigaction buvo[kSignaluRiba];
bool pakeista[kSignaluRiba];

}  // namespace

void Perimti(int signalas, void (*tvarkykle)(int), const sigset_t& kauke) {
  pakeista[signalas] = false;
  if (sigaction(signalas, nullptr, &buvo[signalas]) != 0 ||
      buvo[signalas].sa_handler == SIG_IGN) {
    return;
  }
  struct sigaction naujas {};
  naujas.sa_handler = tvarkykle;
  naujas.sa_mask = kauke;
  pakeista[signalas] = sigaction(signalas, &naujas, nullptr) == 0;
}

void Grazinti(int signalas) {
  if (pakeista[signalas]) sigaction(signalas, &buvo[signalas], nullptr);
  pakeista[signalas] = false;
}
