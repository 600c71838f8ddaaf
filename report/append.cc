#include "report/append.h"

#include <fstream>

bool PridetiIFaila(std::string Rez, const std::string& tekstas,
                   SistemosKlaida& klaida) {
  errno = 0;
  std::ofstream fr(Rez, std::ios::app);
  if (!fr.is_open()) {
    klaida = SistemosKlaidaDabar();
    return false;
  }
  fr.write(tekstas.data(), static_cast<std::streamsize>(tekstas.size()));
  fr.flush();
  if (!fr) {
    klaida = SistemosKlaidaDabar();
    return false;
  }
  errno = 0;
  fr.close();
  if (fr.fail()) {
    klaida = SistemosKlaidaDabar();
    return false;
  }
  return true;
}
