// masyvas: reads an integer matrix from Masyvas.txt and writes a report on it
// to Rezultatai.txt, both in the working directory.

#include <cerrno>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>

#include "app/messages.h"
#include "app/pause.h"
#include "matrix/matrix.h"
#include "matrix/reader.h"
#include "matrix/replace.h"
#include "matrix/square.h"
#include "report/averages.h"
#include "report/table.h"

namespace {

const std::string Duom = "Masyvas.txt";
const std::string Rez = "Rezultatai.txt";

// Empties the results file, then reads the data file and appends the four
// report sections in their order. Stops at the first failure with its
// message in klaida; the report then holds only what was written before it.
bool Vykdyti(std::string& klaida) {
  std::int32_t Mas[Cn][Cm];
  std::int32_t n = 0;
  std::int32_t m = 0;
  const auto neirasyta = [&klaida] {
    const int klaidos_nr = errno;
    klaida = RasymoPranesimas(Rez, klaidos_nr);
    return false;
  };

  std::ofstream fr(Rez);
  fr.close();
  if (fr.fail()) return neirasyta();
  SkaitymoKlaida skaitymo_klaida;
  if (!Skaityti(Duom, Mas, n, m, skaitymo_klaida)) {
    klaida = SkaitymoPranesimas(Duom, skaitymo_klaida);
    return false;
  }
  if (!Spausdinti(Rez, " Pradiniai duomenys:", Mas, n, m)) return neirasyta();
  if (!Vidurkiai(Rez, Mas, n, m)) return neirasyta();
  Pakeisti(Mas, n, m);
  if (!Spausdinti(Rez, " Pakeitimo rezultatai:", Mas, n, m)) return neirasyta();
  Formuoti(Mas, n, m);
  if (!Spausdinti(Rez, " Formavimo rezultatai:", Mas, n, m)) return neirasyta();
  return true;
}

}  // namespace

int main() {
  std::string klaida;
  const bool gerai = Vykdyti(klaida);
  if (gerai) {
    std::cout << '\n' << SekmesPranesimas(Rez) << '\n';
  } else {
    std::cerr << "Klaida: " << klaida << '\n';
  }
  Pauze();
  return gerai ? 0 : 1;
}
