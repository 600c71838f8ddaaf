// masyvas: reads an integer matrix from Masyvas.txt and writes a report on it
// to Rezultatai.txt, both in the working directory.

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <new>
#include <optional>
#include <sstream>
#include <string>

#include "app/results_file.h"
#include "matrix/matrix.h"
#include "matrix/reader.h"
#include "matrix/replace.h"
#include "matrix/square.h"
#include "os/console.h"
#include "os/pause.h"
#include "os/program.h"
#include "report/averages.h"
#include "report/table.h"
#include "text/ascii.h"
#include "words/messages.h"
#include "words/notes.h"

const std::string Duom = "Masyvas.txt";
const std::string Rez = "Rezultatai.txt";

namespace {

// Where the run stands, for when memory runs out.
struct Eiga {
  RezultatuFailas failas;
  bool laikomas = false;  // the results file is held
  bool pavyko = false;    // the report is whole and the file let go
  // The line that says memory ran out with IstrintaAtaskaita after it,
  // worded before the run, and its ASCII form.
  std::string istrinta;
  std::string istrinta_ascii;
} eiga;

// Ends the run when memory runs out, taking none: a run that has succeeded
// leaves out the notes still to come; one that has not empties the results
// file where it holds it and says that memory ran out.
[[noreturn]] void TrukoAtminties() {
  static bool karta = false;  // the wait itself may run out of memory
  if (!karta) {
    karta = true;
    if (!eiga.pavyko) {
      if (eiga.laikomas) {
        SistemosKlaida ignoruojama;
        Tustinti(eiga.failas.fr, ignoruojama);
        Uzdaryti(eiga.failas.fr, ignoruojama);
      }
      if (eiga.failas.buvo_ataskaita) {
        PranestiTiesiai(eiga.istrinta.c_str(), eiga.istrinta_ascii.c_str());
      } else {
        PranestiTiesiai(kTrukstaAtminties, kTrukstaAtmintiesAscii);
      }
    }
    SulaikytiSignalus(false);
    Pauze();
  }
  static_cast<void>(std::fflush(nullptr));
  std::_Exit(eiga.pavyko ? 0 : 1);
}

// Reads the data and builds the report, then takes the results file and writes
// the report whole (or, where the data cannot be read, empties it). Returns the
// failure's message, or nothing on success; ispejimas gets the warning on the
// data or the note on its lines, pavyzdys the sample's note.
std::string Vykdyti(std::string& ispejimas, std::string& pavyzdys) {
  std::int32_t Mas[Cn][Cm];
  std::int32_t n = 0;
  std::int32_t m = 0;
  std::optional<Vieta> perteklius;
  EiluciuForma forma;
  SkaitymoKlaida skaitymo_klaida;
  std::string klaida;
  std::ostringstream fr;
  if (Skaityti(Duom, Mas, n, m, perteklius, forma, skaitymo_klaida)) {
    pavyzdys = PavyzdzioPastaba(Duom, Mas, n, m, LaikinasAplankas());
    // The report's four sections, in their order.
    Spausdinti(fr, " Pradiniai duomenys:", Mas, n, m);
    Vidurkiai(fr, Mas, n, m);
    Pakeisti(Mas, n, m);
    Spausdinti(fr, " Pakeitimo rezultatai:", Mas, n, m);
    Formuoti(Mas, n, m);
    Spausdinti(fr, " Formavimo rezultatai:", Mas, n, m);
    ispejimas = perteklius ? PertekliausIspejimas(Duom, *perteklius, forma)
                           : EiluciuPastaba(forma);
  } else {
    klaida = SkaitymoPranesimas(Duom, skaitymo_klaida, ProgramosAplankas());
  }
  const std::string ataskaita = fr.str();

  FailoPriezastis priezastis = FailoPriezastis::kKita;
  SistemosKlaida k;
  SulaikytiSignalus(true);
  eiga.laikomas = Uzimti(Rez, Duom, eiga.failas, priezastis, k);
  if (!eiga.laikomas) {
    SulaikytiSignalus(false);
    // Where the working folder is gone, so is any report.
    if (!klaida.empty()) {
      return priezastis == FailoPriezastis::kDarboAplankasIstrintas
                 ? klaida
                 : klaida + NepakeistaAtaskaita(Rez, Duom, priezastis, k);
    }
    return NeirasytaPranesimas(Rez, Duom, priezastis, k, true);
  }
  const bool irasyta = klaida.empty() && Rasyti(eiga.failas.fr, ataskaita, k);
  SistemosKlaida ignoruojama;
  const bool isvalyta = irasyta || Tustinti(eiga.failas.fr, ignoruojama);
  // The results file's name still names the file written, and the data
  // file's name does not.
  const bool vadinamas = TasPatsFailas(eiga.failas.fr, Rez) &&
                         !TasPatsFailas(eiga.failas.fr, Duom);
  SistemosKlaida uzdarymo_klaida;
  const bool uzdaryta = Uzdaryti(eiga.failas.fr, uzdarymo_klaida);
  SulaikytiSignalus(false);
  eiga.laikomas = false;
  if (!klaida.empty()) {
    // The data's message; the results file was emptied.
  } else if (!irasyta) {
    klaida =
        NeirasytaPranesimas(Rez, Duom, Priezastis(Rez, true, k), k, isvalyta);
  } else if (!uzdaryta) {
    // Written whole, the report may still be partial on the disk.
    klaida =
        NeirasytaPranesimas(Rez, Duom, Priezastis(Rez, true, uzdarymo_klaida),
                            uzdarymo_klaida, false);
  } else if (!vadinamas) {
    klaida = PakeistasPranesimas(Rez);
  } else {
    return "";
  }
  if (eiga.failas.buvo_ataskaita) klaida += "\n" + IstrintaAtaskaita(Rez);
  return klaida;
}

}  // namespace

int main(int argc, char** argv) {
  ParuostiProcesa();
  // The console's character set, for the messages, from the environment.
  static_cast<void>(std::setlocale(LC_CTYPE, ""));
  std::set_new_handler(TrukoAtminties);
  eiga.istrinta = kTrukstaAtminties + (" " + IstrintaAtaskaita(Rez));
  eiga.istrinta_ascii = Ascii(eiga.istrinta);
  const std::string sekme = SekmesPranesimas(Rez);

  std::string ispejimas;
  std::string pavyzdys;
  const std::string klaida = Vykdyti(ispejimas, pavyzdys);
  if (!klaida.empty()) {
    Pranesti(KlaidosEilute(klaida));
    Pauze();
    return 1;
  }
  // Decided: nothing from here on changes the outcome or the report.
  eiga.pavyko = true;
  std::cout << '\n' << sekme << '\n';
  if (!ispejimas.empty()) Pranesti(ispejimas);
  if (!pavyzdys.empty()) Pranesti(pavyzdys);
  for (const std::string& pastaba :
       Pastabos(Duom, Rez, Argumentai(argc, argv))) {
    Pranesti(pastaba);
  }
  if (!UzrasuKnygeleRodysRaides()) Pranesti(KoduotesPastaba(Rez));
  Pauze();
  return 0;
}
