// libFuzzer target: arbitrary bytes as the data file's content. When the
// reader accepts them, the whole run's computations and report sections are
// applied and the invariants that hold for every accepted input are checked.

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "matrix/matrix.h"
#include "matrix/reader.h"
#include "matrix/replace.h"
#include "matrix/square.h"
#include "report/averages.h"
#include "report/table.h"
#include "tests/helpers.h"
#include "text/ascii.h"
#include "words/messages.h"

namespace {

void Tikrinti(bool salyga, const char* kas) {
  if (salyga) return;
  static_cast<void>(std::fprintf(stderr, "invariant broken: %s\n", kas));
  std::abort();
}

// The counts and elements as formatted extraction reads them, the rules the
// reader keeps (after a UTF-8 byte order mark, which it skips), and whether
// more than white space follows; false when extraction fails, a count is
// out of range, or text run on from the last value is no value.
bool Ekstrahuoti(std::string tekstas, std::vector<std::int32_t>& reiksmes,
                 bool& lieka) {
  if (tekstas.compare(0, 3, "\xef\xbb\xbf") == 0) tekstas.erase(0, 3);
  std::istringstream is(tekstas);
  std::int32_t n = 0;
  std::int32_t m = 0;
  if (!(is >> n >> m) || n < 0 || n > Cn || m < 0 || m > Cm) return false;
  reiksmes = {n, m};
  for (std::int32_t k = 0; k < n * m; ++k) {
    std::int32_t x = 0;
    if (!(is >> x)) return false;
    reiksmes.push_back(x);
  }
  // Text run on from the last value must be one more value ("5-3").
  const int c = is.peek();
  if (c != std::char_traits<char>::eof() && !std::isspace(c)) {
    std::int32_t x = 0;
    lieka = true;
    return static_cast<bool>(is >> x);
  }
  lieka = !(is >> std::ws).eof();
  return true;
}

bool Telpa(std::int64_t x) { return x >= -9999 && x <= 99999; }

// A table section: its line count, frame line lengths, and the length of
// every header and row line whose numbers all fit their field.
void TikrintiLentele(const std::int32_t Mas[][Cm], std::int32_t n,
                     std::int32_t m) {
  std::ostringstream fr;
  Spausdinti(fr, " T:", Mas, n, m);
  const std::vector<std::string> e = Eilutes(fr.str());
  Tikrinti(e.size() == static_cast<std::size_t>(n) + 7, "table line count");
  const std::size_t ilgis = 8 * static_cast<std::size_t>(m) + 11;
  for (std::size_t k : {std::size_t{2}, std::size_t{4}, e.size() - 2}) {
    Tikrinti(e[k].size() == ilgis - 1, "frame line length");
  }
  Tikrinti(e[3].size() == ilgis, "header line length");
  for (std::int32_t i = 0; i < n; ++i) {
    bool telpa = Telpa(i + 1);
    for (std::int32_t j = 0; j < m; ++j) telpa = telpa && Telpa(Mas[i][j]);
    if (telpa) Tikrinti(e[5 + i].size() == ilgis, "row line length");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* duomenys,
                                      std::size_t dydis) {
  static std::int32_t Mas[Cn][Cm];
  UzpildytiSargu(Mas);
  const std::string tekstas(reinterpret_cast<const char*>(duomenys), dydis);
  std::istringstream fd(tekstas);
  std::int32_t n = -1;
  std::int32_t m = -1;
  SkaitymoKlaida klaida;
  std::optional<Vieta> perteklius;
  EiluciuForma forma;
  const bool priimta = SkaitytiSrauta(fd, Mas, n, m, perteklius, forma, klaida);
  std::vector<std::int32_t> etalonas;
  bool lieka = false;
  Tikrinti(priimta == Ekstrahuoti(tekstas, etalonas, lieka),
           "accepts what formatted extraction accepts, and only that");
  if (!priimta) {
    Tikrinti(n == 0 && m == 0, "counts after a rejected file");
    const std::string pranesimas =
        Ascii(SkaitymoPranesimas("Masyvas.txt", klaida, {}));
    Tikrinti(!pranesimas.empty(), "a rejected file has a message");
    for (char c : pranesimas) {
      Tikrinti(c >= 0x20 && c < 0x7f, "the message's ASCII form is ASCII");
    }
    return 0;
  }
  Tikrinti(n >= 0 && n <= Cn && m >= 0 && m <= Cm, "counts within capacity");
  Tikrinti(etalonas[0] == n && etalonas[1] == m, "counts as extracted");
  Tikrinti(lieka == perteklius.has_value(), "text after the last value");
  for (std::int32_t k = 0; k < n * m; ++k) {
    Tikrinti(etalonas[2 + k] == Mas[k / m][k % m], "elements as extracted");
  }
  const std::int32_t n_pradzioje = n;

  TikrintiLentele(Mas, n, m);
  std::ostringstream vid;
  Vidurkiai(vid, Mas, n, m);
  Tikrinti(Eilutes(vid.str()).size() == static_cast<std::size_t>(n) + 2,
           "averages line count");

  std::vector<std::int32_t> minimumai;
  for (std::int32_t i = 0; i < n && m > 0; ++i) {
    std::int32_t maz = Mas[i][0];
    for (std::int32_t j = 1; j < m; ++j)
      maz = Mas[i][j] < maz ? Mas[i][j] : maz;
    minimumai.push_back(maz);
  }
  Pakeisti(Mas, n, m);
  for (std::size_t i = 0; i < minimumai.size(); ++i) {
    Tikrinti(Mas[i][m - 1] == minimumai[i], "last element is the row minimum");
  }
  TikrintiLentele(Mas, n, m);

  Formuoti(Mas, n, m);
  Tikrinti(n == m, "square after squaring");
  TikrintiLentele(Mas, n, m);

  // Nothing outside the rows and columns ever in use was touched.
  const std::int32_t eiluciu = n_pradzioje > m ? n_pradzioje : m;
  for (std::int32_t i = 0; i < Cn; ++i) {
    for (std::int32_t j = 0; j < Cm; ++j) {
      if (i >= eiluciu || j >= m) {
        Tikrinti(Mas[i][j] == kSargas, "cell outside the matrix untouched");
      }
    }
  }
  return 0;
}
