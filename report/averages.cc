#include "report/averages.h"

#include <charconv>
#include <string>

#include "matrix/average.h"

void Vidurkiai(std::ostream& fr, const std::int32_t Mas[][Cm], std::int32_t n,
               std::int32_t m) {
  // Windows-1257: \xe8 is c with caron, \xeb e with dot, \xf8 u with ogonek.
  fr << "Dvima\xe8io masyvo kiekvienos eilut\xebs teigiam\xf8 element\xf8 "
        "vidurkiai:\n";
  for (std::int32_t i = 0; i < n; ++i) {
    fr << "Eilut\xeb nr. " << std::to_string(i + 1) << ": ";
    if (const std::optional<double> vid = Vidurkis(Mas[i], m)) {
      // Correctly rounded, with a full stop whatever the locale.
      char skaicius[32];
      const std::to_chars_result r =
          std::to_chars(skaicius, skaicius + sizeof skaicius, *vid,
                        std::chars_format::fixed, 2);
      fr.write(skaicius, r.ptr - skaicius);
    } else {
      fr << "teigiam\xf8 element\xf8 n\xebra";
    }
    fr << ".\n";
  }
  fr << '\n';
}
