#include "report/section.h"

#include <new>

bool IrasytiSkyriu(Rankena fr, const std::ostringstream& skyrius,
                   SistemosKlaida& klaida) {
  if (!skyrius) throw std::bad_alloc();
  return Rasyti(fr, skyrius.str(), klaida);
}
