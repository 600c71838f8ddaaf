#include "report/section.h"

bool IrasytiSkyriu(Rankena fr, const std::ostringstream& skyrius,
                   SistemosKlaida& klaida) {
  if (!skyrius) {
    klaida = SistemosKlaida{ENOMEM, 0};
    return false;
  }
  return Rasyti(fr, skyrius.str(), klaida);
}
