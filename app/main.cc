// masyvas: reads an integer matrix from Masyvas.txt and writes a report on it
// to Rezultatai.txt, both in the working directory.

#include <clocale>
#include <csignal>
#include <cstdint>
#include <iostream>
#include <new>
#include <optional>
#include <string>

#include "app/code_page.h"
#include "app/console.h"
#include "app/messages.h"
#include "app/notes.h"
#include "app/pause.h"
#include "app/program.h"
#include "app/results_file.h"
#include "matrix/matrix.h"
#include "matrix/reader.h"
#include "matrix/replace.h"
#include "matrix/square.h"
#include "report/averages.h"
#include "report/table.h"

namespace {

const std::string Duom = "Masyvas.txt";
const std::string Rez = "Rezultatai.txt";

// Reads the data file and writes the four report sections in their order
// through fr, the held and emptied results file. Stops at the first failure
// with its message in klaida; a report that failed part-way is emptied
// again. Text after the last value gets a warning in ispejimas.
bool Ataskaita(const RezultatuFailas& failas, std::string& klaida,
               std::string& ispejimas) {
  std::int32_t Mas[Cn][Cm];
  std::int32_t n = 0;
  std::int32_t m = 0;
  std::optional<Vieta> perteklius;
  SkaitymoKlaida skaitymo_klaida;
  if (!Skaityti(Duom, Mas, n, m, perteklius, skaitymo_klaida)) {
    klaida = SkaitymoPranesimas(Duom, skaitymo_klaida, ProgramosAplankas());
    return false;
  }
  if (perteklius) ispejimas = PertekliausIspejimas(Duom, *perteklius, n, m);
  // Names may have changed while the data was read (a pipe waits for its
  // writer): the data file's name must not name the report written.
  if (!TebeVadinamas(Rez, Duom, failas)) {
    klaida = PakeistasPranesimas(Rez);
    return false;
  }
  const Rankena fr = failas.fr;
  SistemosKlaida rasymo_klaida;
  bool irasyta =
      Spausdinti(fr, " Pradiniai duomenys:", Mas, n, m, rasymo_klaida) &&
      Vidurkiai(fr, Mas, n, m, rasymo_klaida);
  if (irasyta) {
    Pakeisti(Mas, n, m);
    irasyta =
        Spausdinti(fr, " Pakeitimo rezultatai:", Mas, n, m, rasymo_klaida);
  }
  if (irasyta) {
    Formuoti(Mas, n, m);
    irasyta =
        Spausdinti(fr, " Formavimo rezultatai:", Mas, n, m, rasymo_klaida);
  }
  if (!irasyta) {
    klaida = NeirasytaPranesimas(Rez, rasymo_klaida, Isvalyti(failas));
  }
  return irasyta;
}

// Takes and empties the results file, writes the report and checks that the
// results file's name still names the file written, which stays held.
// Returns false with the message in klaida when the run fails; once a report
// in the results file has been emptied, the message says so.
bool Vykdyti(RezultatuFailas& failas, std::string& klaida,
             std::string& ispejimas) {
  SistemosKlaida atidarymo_klaida;
  const Uzemimas u = Uzimti(Rez, Duom, failas, atidarymo_klaida);
  if (u != Uzemimas::kGerai) {
    klaida = UzemimoPranesimas(u, Rez, Duom, atidarymo_klaida);
    return false;
  }
  if (Ataskaita(failas, klaida, ispejimas)) {
    if (TebeVadinamas(Rez, Duom, failas)) return true;
    klaida = PakeistasPranesimas(Rez);
  }
  if (failas.buvo_ataskaita) klaida += IstrintaAtaskaita(Rez);
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  AtidarytiStandartinius();
  // The console's character set, for the messages, from the environment.
  static_cast<void>(std::setlocale(LC_CTYPE, ""));
#ifdef SIGXFSZ
  // Past a file size limit a write then fails with its own message, instead
  // of the signal ending the program without a word.
  static_cast<void>(std::signal(SIGXFSZ, SIG_IGN));
#endif
  // Held until the run has said how it ended: out of memory before that,
  // the report is emptied.
  RezultatuFailas failas;
  bool gerai = false;
  try {
    std::string klaida;
    std::string ispejimas;
    gerai = Vykdyti(failas, klaida, ispejimas);
    // The report is whole, or empty: a signal from here on leaves it so.
    Nebesaugoti();
    if (gerai) {
      std::cout << '\n' << SekmesPranesimas(Rez) << '\n';
      if (!ispejimas.empty()) Pranesti(ispejimas);
      for (const std::string& pastaba :
           Pastabos(Duom, Rez, Argumentai(argc, argv))) {
        Pranesti(pastaba);
      }
      if (!UzrasuKnygeleRodysRaides()) Pranesti(KoduotesPastaba(Rez));
    } else {
      Pranesti(KlaidosEilute(klaida));
    }
  } catch (const std::bad_alloc&) {
    gerai = false;
    Isvalyti(failas);
    if (failas.buvo_ataskaita) {
      PranestiTiesiai(kTrukstaAtmintiesIstrinta,
                      kTrukstaAtmintiesIstrintaAscii);
    } else {
      PranestiTiesiai(kTrukstaAtminties, kTrukstaAtmintiesAscii);
    }
  }
  Paleisti(failas);
  Pauze();
  return gerai ? 0 : 1;
}
