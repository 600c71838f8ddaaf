#include <cstdlib>
#include <iostream>

#include "app/pause.h"

void Pauze() {
  std::cout.flush();
  // The result does not matter: the run ends the same way.
  static_cast<void>(std::system("pause"));
}
