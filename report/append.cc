#include "report/append.h"

#include <fstream>

bool PridetiIFaila(std::string Rez, const std::string& tekstas,
                   SistemosKlaida& klaida) {
  ValytiSistemosKlaida();
  std::ofstream fr(Rez, std::ios::app);
  if (!fr.is_open()) {
    klaida = SistemosKlaidaDabar();
    return false;
  }
  ValytiSistemosKlaida();
  fr.write(tekstas.data(), static_cast<std::streamsize>(tekstas.size()));
  fr.flush();
  if (!fr) {
    klaida = SistemosKlaidaDabar();
    return false;
  }
  ValytiSistemosKlaida();
  fr.close();
  if (fr.fail()) {
    klaida = SistemosKlaidaDabar();
    return false;
  }
  return true;
}
