#include "os/code_page.h"

#ifdef _WIN32
#include <windows.h>

bool UzrasuKnygeleRodysRaides() { return GetACP() == 1257; }
#else
bool UzrasuKnygeleRodysRaides() { return true; }
#endif
