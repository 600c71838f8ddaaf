#include "app/results_file.h"

#include <chrono>
#include <thread>

namespace {

// How long and how often a run waits for another to let the file go.
constexpr int kBandymai = 20;
constexpr std::chrono::milliseconds kPauze(50);

Uzemimas Tikrinti(const std::string& Duom, RezultatuFailas& failas,
                  SistemosKlaida& klaida) {
  if (TasPatsFailas(failas.fr, Duom)) return Uzemimas::kTasPatsFailas;
  Ypatybes y{};
  if (!Ypatybiu(failas.fr, y, klaida)) return Uzemimas::kKlaida;
  if (y.rusis == Ypatybes::kKita) return Uzemimas::kNeFailas;
  failas.paprastas = y.rusis == Ypatybes::kFailas;
  if (failas.paprastas && StandartineIsvestis(failas.fr)) {
    return Uzemimas::kIsvestis;
  }
  if (failas.paprastas && y.nuorodos > 1) return Uzemimas::kKitiVardai;
  for (int k = 0; Uzrakinti(failas.fr) == Uzraktas::kUzimtas; ++k) {
    if (k == kBandymai) return Uzemimas::kUzimtas;
    std::this_thread::sleep_for(kPauze);
  }
  if (!failas.paprastas) return Uzemimas::kGerai;
  // Its size once this run holds the lock: another run may have written it
  // while this one waited.
  if (!Ypatybiu(failas.fr, y, klaida) || !Tustinti(failas.fr, klaida)) {
    return Uzemimas::kKlaida;
  }
  failas.buvo_ataskaita = y.dydis > 0;
  return Uzemimas::kGerai;
}

}  // namespace

Uzemimas Uzimti(const std::string& Rez, const std::string& Duom,
                RezultatuFailas& failas, SistemosKlaida& klaida) {
  const Atidarymas a = AtidarytiRasymui(Rez, failas.fr, klaida);
  if (a == Atidarymas::kSvetimaNuoroda) return Uzemimas::kSvetimaNuoroda;
  if (a == Atidarymas::kKanalas) return Uzemimas::kNeFailas;
  if (a == Atidarymas::kKlaida) return Uzemimas::kKlaida;
  const Uzemimas u = Tikrinti(Duom, failas, klaida);
  if (u != Uzemimas::kGerai) {
    Paleisti(failas);
  } else if (failas.paprastas) {
    SaugotiNuoNutraukimo(failas.fr);
  }
  return u;
}

bool TebeVadinamas(const std::string& Rez, const std::string& Duom,
                   const RezultatuFailas& failas) {
  return TasPatsFailas(failas.fr, Rez) && !TasPatsFailas(failas.fr, Duom);
}

bool Isvalyti(const RezultatuFailas& failas) {
  SistemosKlaida ignoruojama;
  return !failas.paprastas || Tustinti(failas.fr, ignoruojama);
}

void Paleisti(RezultatuFailas& failas) {
  Nebesaugoti();
  Uzdaryti(failas.fr);
}
