#include "matrix/reader.h"

#include <cerrno>
#include <fstream>
#include <limits>

#include "app/file_error.h"

namespace {

// Where a character of the data file stands, 1-based.
struct Vieta {
  long long eil = 1;
  long long stulp = 1;
};

// The longest piece of offending text quoted in a message.
constexpr std::size_t kIlgiausiaIstrauka = 20;

// The data stream, taken in fixed chunks, the place of its next character,
// and the run of non-white-space characters taken last: where it starts,
// which value (see Pavadinimas) starts it, and its text as quoted.
struct Skaitykle {
  std::istream& fd;
  char buf[4096] = {};
  std::streamsize pos = 0;
  std::streamsize ilgis = 0;
  Vieta v{};
  Vieta reiksmes_vieta{};
  Vieta serijos_vieta{};
  long long serijos_reiksme = 0;
  std::string serija{};
  std::size_t serijos_ilgis = 0;
};

enum class Ivestis { Gerai, Pabaiga, NeSveikasis, Netelpa, Klaida };

// White space as the C locale's formatted extraction skips it.
bool Tarpas(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

bool Skaitmuo(int c) { return c >= '0' && c <= '9'; }

constexpr int kPabaiga = std::char_traits<char>::eof();

// The next character (as unsigned char) without taking it, or kPabaiga at the
// end of the stream or after a read error (then fd.bad() is set).
int Ziureti(Skaitykle& sk) {
  if (sk.pos == sk.ilgis) {
    if (!sk.fd.good()) return kPabaiga;
    sk.fd.read(sk.buf, sizeof sk.buf);
    sk.ilgis = sk.fd.gcount();
    sk.pos = 0;
    if (sk.ilgis == 0) return kPabaiga;
  }
  return static_cast<unsigned char>(sk.buf[sk.pos]);
}

// Adds c to a quoted piece of text, bytes outside printable ASCII as \xNN.
void Prideti(std::string& istrauka, int c) {
  if (c >= 0x20 && c < 0x7f) {
    istrauka += static_cast<char>(c);
    return;
  }
  const char* skaitmenys = "0123456789abcdef";
  istrauka += "\\x";
  istrauka += skaitmenys[(c >> 4) & 0xf];
  istrauka += skaitmenys[c & 0xf];
}

// Takes the next character, keeping the place and the current run (quoted up
// to the limit, a longer one marked with "...") up to date.
int Imti(Skaitykle& sk) {
  const int c = Ziureti(sk);
  if (c == kPabaiga) return c;
  ++sk.pos;
  if (Tarpas(c)) {
    sk.serija.clear();
    sk.serijos_ilgis = 0;
  } else if (sk.serijos_ilgis++ < kIlgiausiaIstrauka) {
    Prideti(sk.serija, c);
  } else if (sk.serijos_ilgis == kIlgiausiaIstrauka + 1) {
    sk.serija += "...";
  }
  if (c == '\n') {
    ++sk.v.eil;
    sk.v.stulp = 1;
  } else {
    ++sk.v.stulp;
  }
  return c;
}

// Extracts one integer as formatted stream extraction does: white space, an
// optional sign, decimal digits, ending where the digits end. The value is
// value number k of the file (see Pavadinimas); it starts a run unless it
// follows the previous value with no white space between them.
Ivestis SkaitytiSveikaji(Skaitykle& sk, long long k, std::int32_t& x) {
  while (Tarpas(Ziureti(sk))) Imti(sk);
  sk.reiksmes_vieta = sk.v;
  if (sk.serija.empty()) {
    sk.serijos_vieta = sk.v;
    sk.serijos_reiksme = k;
  }
  int c = Ziureti(sk);
  if (c == kPabaiga) return sk.fd.bad() ? Ivestis::Klaida : Ivestis::Pabaiga;

  const bool neigiamas = c == '-';
  if (c == '-' || c == '+') c = (Imti(sk), Ziureti(sk));
  if (!Skaitmuo(c)) return sk.fd.bad() ? Ivestis::Klaida : Ivestis::NeSveikasis;

  // Accumulating stops past 2^31, the largest magnitude that may fit, so the
  // value never overflows however many digits follow.
  constexpr long long kRiba = 1LL + std::numeric_limits<std::int32_t>::max();
  long long reiksme = 0;
  for (; Skaitmuo(c); c = Ziureti(sk)) {
    const int d = Imti(sk) - '0';
    if (reiksme <= kRiba) reiksme = reiksme * 10 + d;
  }
  if (sk.fd.bad()) return Ivestis::Klaida;
  if (neigiamas) reiksme = -reiksme;
  if (reiksme > std::numeric_limits<std::int32_t>::max() ||
      reiksme < std::numeric_limits<std::int32_t>::min()) {
    return Ivestis::Netelpa;
  }
  x = static_cast<std::int32_t>(reiksme);
  return Ivestis::Gerai;
}

// The name of value number k of the file (0 the row count, 1 the column
// count, then the elements row by row, m to a row), as the subject of a
// sentence or, with kilmininkas, after "truksta".
std::string Pavadinimas(long long k, std::int32_t m, bool kilmininkas) {
  if (k == 0) return kilmininkas ? "eiluciu skaiciaus" : "eiluciu skaicius";
  if (k == 1) return kilmininkas ? "stulpeliu skaiciaus" : "stulpeliu skaicius";
  return std::string(kilmininkas ? "elemento [" : "elementas [") +
         std::to_string((k - 2) / m + 1) + ", " +
         std::to_string((k - 2) % m + 1) + "]";
}

std::string Ties(const std::string& vardas, const Vieta& v) {
  return vardas + ":" + std::to_string(v.eil) + ":" + std::to_string(v.stulp) +
         ": ";
}

// Reads value number k into x, or says in klaida why it cannot. A count must
// also lie within 0..riba. A value that fails right after the previous one,
// with no white space between them, is told as its whole run, named after the
// value that starts the run.
bool Reiksme(Skaitykle& sk, const std::string& vardas, long long k,
             std::int32_t m, std::int32_t riba, std::int32_t& x,
             std::string& klaida) {
  Ivestis ivestis = SkaitytiSveikaji(sk, k, x);
  const bool prilipes = sk.serijos_reiksme != k;
  if (ivestis == Ivestis::NeSveikasis ||
      (prilipes && ivestis == Ivestis::Netelpa)) {
    while (Ziureti(sk) != kPabaiga && !Tarpas(Ziureti(sk))) Imti(sk);
    if (!sk.fd.bad()) {
      klaida = Ties(vardas, sk.serijos_vieta) +
               Pavadinimas(sk.serijos_reiksme, m, false) +
               " turi buti sveikasis skaicius, rasta \"" + sk.serija + "\"" +
               (prilipes ? " (skaiciai turi buti sveikieji ir atskirti tarpais)"
                         : "") +
               ".";
      return false;
    }
    ivestis = Ivestis::Klaida;
  }
  switch (ivestis) {
    case Ivestis::Gerai:
      if (k >= 2 || (x >= 0 && x <= riba)) return true;
      klaida = Ties(vardas, sk.reiksmes_vieta) + Pavadinimas(k, m, false) +
               " turi buti nuo 0 iki " + std::to_string(riba) + ", rasta " +
               std::to_string(x) + ".";
      return false;
    case Ivestis::Pabaiga:
      klaida = Ties(vardas, sk.reiksmes_vieta) + "truksta " +
               Pavadinimas(k, m, true) + ": failas baigesi.";
      return false;
    case Ivestis::Netelpa:
      klaida = Ties(vardas, sk.reiksmes_vieta) + Pavadinimas(k, m, false) +
               " netelpa i 32 bitu sveikaji skaiciu: \"" + sk.serija + "\".";
      return false;
    default:
      klaida = "nepavyko perskaityti duomenu failo " + vardas + ".";
      return false;
  }
}

}  // namespace

bool SkaitytiSrauta(std::istream& fd, const std::string& vardas,
                    std::int32_t Mas[][Cm], std::int32_t& n, std::int32_t& m,
                    std::string& klaida) {
  n = 0;
  m = 0;
  Skaitykle sk{fd};
  // An editor's encoding marks: UTF-8's is skipped and takes no column;
  // UTF-16 text cannot be read at all.
  const auto pradzia = [&sk](const char* zyme, std::streamsize ilgis) {
    return Ziureti(sk) != kPabaiga && sk.ilgis >= ilgis &&
           std::char_traits<char>::compare(sk.buf, zyme, ilgis) == 0;
  };
  if (pradzia("\xff\xfe", 2) || pradzia("\xfe\xff", 2)) {
    klaida = "failas " + vardas +
             " issaugotas UTF-16 koduote; issaugokite ji kaip ANSI arba UTF-8.";
    return false;
  }
  if (pradzia("\xef\xbb\xbf", 3)) sk.pos = 3;

  std::int32_t eil = 0;
  std::int32_t stulp = 0;
  if (!Reiksme(sk, vardas, 0, 0, Cn, eil, klaida) ||
      !Reiksme(sk, vardas, 1, 0, Cm, stulp, klaida)) {
    return false;
  }
  for (std::int32_t i = 0; i < eil; ++i) {
    for (std::int32_t j = 0; j < stulp; ++j) {
      if (!Reiksme(sk, vardas, 2 + i * stulp + j, stulp, 0, Mas[i][j],
                   klaida)) {
        return false;
      }
    }
  }
  n = eil;
  m = stulp;
  return true;
}

bool Skaityti(std::string Duom, std::int32_t Mas[][Cm], std::int32_t& n,
              std::int32_t& m, std::string& klaida) {
  n = 0;
  m = 0;
  std::ifstream fd(Duom);
  // A directory opens on some systems and fails at its first read: that too
  // is a data file that cannot be opened.
  if (!fd.is_open() || (fd.peek(), fd.bad())) {
    klaida = NeatidaromasDuomenuFailas(Duom, errno);
    return false;
  }
  return SkaitytiSrauta(fd, Duom, Mas, n, m, klaida);
}
