#include "app/code_page.h"

#ifdef _WIN32
#include <windows.h>
#endif

bool UzrasuKnygeleRodysRaides() {
#ifdef _WIN32
  return GetACP() == 1257;
#else
  return true;
#endif
}
