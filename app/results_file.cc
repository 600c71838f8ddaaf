#include "app/results_file.h"

#include <chrono>
#include <thread>

namespace {

// How long and how often a run waits for another to let the file go.
constexpr int kBandymai = 20;
constexpr std::chrono::milliseconds kPauze(50);

// Checks, locks and empties the open file. Returns false where it is refused
// (why in priezastis), or where a call failed (kKita, its error in klaida).
bool Tikrinti(std::string Duom, RezultatuFailas& failas,
              FailoPriezastis& priezastis, SistemosKlaida& klaida) {
  priezastis = FailoPriezastis::kKita;
  Ypatybes y{};
  if (TasPatsFailas(failas.fr, Duom)) {
    priezastis = FailoPriezastis::kTasPatsFailas;
  } else if (!Ypatybiu(failas.fr, y, klaida)) {
    return false;
  } else if (!y.paprastas) {
    priezastis = FailoPriezastis::kNeFailas;
  } else if (StandartineIsvestis(failas.fr)) {
    priezastis = FailoPriezastis::kIsvestis;
  } else if (y.nuorodos > 1) {
    priezastis = FailoPriezastis::kKitiVardai;
  }
  if (priezastis != FailoPriezastis::kKita) return false;
  for (int k = 0; Uzrakinti(failas.fr) == Uzraktas::kUzimtas; ++k) {
    if (k == kBandymai) {
      priezastis = FailoPriezastis::kUzimtas;
      return false;
    }
    std::this_thread::sleep_for(kPauze);
  }
  // Its size once this run holds the lock: another run may have written it
  // while this one waited.
  if (!Ypatybiu(failas.fr, y, klaida) || !Tustinti(failas.fr, klaida)) {
    return false;
  }
  failas.buvo_ataskaita = y.dydis > 0;
  return true;
}

}  // namespace

bool Uzimti(std::string Rez, std::string Duom, RezultatuFailas& failas,
            FailoPriezastis& priezastis, SistemosKlaida& klaida) {
  priezastis = FailoPriezastis::kKita;
  const bool atidaryta = AtidarytiRasymui(Rez, failas.fr, klaida);
  if (atidaryta && Tikrinti(Duom, failas, priezastis, klaida)) return true;
  if (priezastis == FailoPriezastis::kKita) {
    priezastis = Priezastis(Rez, true, klaida);
  }
  if (atidaryta) {
    SistemosKlaida ignoruojama;
    Uzdaryti(failas.fr, ignoruojama);
  }
  return false;
}
