#include "report/averages.h"

#include <fstream>
#include <iomanip>

#include "matrix/average.h"

void VidurkiuSkyrius(std::ostream& fr, const std::int32_t Mas[][Cm],
                     std::int32_t n, std::int32_t m) {
  // Windows-1257: \xe8 is c with caron, \xeb e with dot, \xf8 u with ogonek.
  fr << "Dvima\xe8io masyvo kiekvienos eilut\xebs teigiam\xf8 element\xf8 "
        "vidurkiai:\n";
  const std::ios_base::fmtflags formatas = fr.flags();
  const std::streamsize tikslumas = fr.precision();
  fr << std::fixed << std::setprecision(2);
  for (std::int32_t i = 0; i < n; ++i) {
    fr << "Eilut\xeb nr. " << i + 1 << ": ";
    if (const std::optional<double> vid = Vidurkis(Mas[i], m)) {
      fr << *vid;
    } else {
      fr << "teigiam\xf8 element\xf8 n\xebra";
    }
    fr << ".\n";
  }
  fr << '\n';
  fr.flags(formatas);
  fr.precision(tikslumas);
}

bool Vidurkiai(std::string Rez, const std::int32_t Mas[][Cm], std::int32_t n,
               std::int32_t m) {
  std::ofstream fr(Rez, std::ios::app);
  VidurkiuSkyrius(fr, Mas, n, m);
  fr.close();
  return !fr.fail();
}
