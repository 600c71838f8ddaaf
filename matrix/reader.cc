#include "matrix/reader.h"

#include <fstream>
#include <limits>

namespace {

// Where a character of the data file stands, 1-based.
struct Vieta {
  long long eil = 1;
  long long stulp = 1;
};

// The data stream, taken in fixed chunks, and the place of its next
// character.
struct Skaitykle {
  std::istream& fd;
  char buf[4096];
  std::streamsize pos = 0;
  std::streamsize ilgis = 0;
  Vieta v;
};

// What the data file is expected to hold next.
enum class Kas { Eilutes, Stulpeliai, Elementas };

enum class Ivestis { Gerai, Pabaiga, NeSveikasis, Netelpa, Klaida };

// The longest piece of offending text quoted in a message.
constexpr std::size_t kIlgiausiaIstrauka = 20;

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

// Takes the next character, keeping the line and column up to date.
int Imti(Skaitykle& sk) {
  const int c = Ziureti(sk);
  if (c == kPabaiga) return c;
  ++sk.pos;
  if (c == '\n') {
    ++sk.v.eil;
    sk.v.stulp = 1;
  } else {
    ++sk.v.stulp;
  }
  return c;
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

// Takes the rest of a value's non-white-space run into rasta, up to the
// quoting limit, and marks a longer run with "...".
void ImtiLikusi(Skaitykle& sk, std::string& rasta, std::size_t paimta) {
  for (int c = Ziureti(sk); c != kPabaiga && !Tarpas(c); c = Ziureti(sk)) {
    if (paimta == kIlgiausiaIstrauka) {
      rasta += "...";
      return;
    }
    Prideti(rasta, Imti(sk));
    ++paimta;
  }
}

// Extracts one integer as formatted stream extraction does: white space, an
// optional sign, decimal digits, ending where the digits end. pradzia is set
// to where the value starts (or to the end of the file), x to its value, and
// rasta to the text found when it is not a 32-bit integer.
Ivestis SkaitytiSveikaji(Skaitykle& sk, Vieta& pradzia, std::int32_t& x,
                         std::string& rasta) {
  int c = Ziureti(sk);
  while (c != kPabaiga && Tarpas(c)) {
    Imti(sk);
    c = Ziureti(sk);
  }
  pradzia = sk.v;
  if (sk.fd.bad()) return Ivestis::Klaida;
  if (c == kPabaiga) return Ivestis::Pabaiga;

  const bool neigiamas = c == '-';
  std::size_t paimta = 0;
  if (c == '-' || c == '+') {
    Prideti(rasta, Imti(sk));
    ++paimta;
  }
  if (!Skaitmuo(Ziureti(sk))) {
    if (sk.fd.bad()) return Ivestis::Klaida;
    ImtiLikusi(sk, rasta, paimta);
    return Ivestis::NeSveikasis;
  }

  // Accumulating stops past 2^31, the largest magnitude that may fit, so the
  // value never overflows however many digits follow.
  constexpr long long kRiba = 1LL + std::numeric_limits<std::int32_t>::max();
  long long reiksme = 0;
  bool per_didele = false;
  while (Skaitmuo(Ziureti(sk))) {
    const int d = Imti(sk) - '0';
    if (paimta < kIlgiausiaIstrauka) rasta += static_cast<char>('0' + d);
    if (++paimta == kIlgiausiaIstrauka + 1) rasta += "...";
    if (!per_didele) {
      reiksme = reiksme * 10 + d;
      per_didele = reiksme > kRiba;
    }
  }
  if (sk.fd.bad()) return Ivestis::Klaida;
  if (neigiamas) reiksme = -reiksme;
  if (per_didele || reiksme > std::numeric_limits<std::int32_t>::max() ||
      reiksme < std::numeric_limits<std::int32_t>::min()) {
    return Ivestis::Netelpa;
  }
  x = static_cast<std::int32_t>(reiksme);
  return Ivestis::Gerai;
}

// The name of the value due, as the subject of a sentence or, with
// kilmininkas, after "truksta".
std::string Pavadinimas(Kas kas, std::int32_t i, std::int32_t j,
                        bool kilmininkas) {
  switch (kas) {
    case Kas::Eilutes:
      return kilmininkas ? "eiluciu skaiciaus" : "eiluciu skaicius";
    case Kas::Stulpeliai:
      return kilmininkas ? "stulpeliu skaiciaus" : "stulpeliu skaicius";
    case Kas::Elementas:
      break;
  }
  return std::string(kilmininkas ? "elemento [" : "elementas [") +
         std::to_string(i + 1) + ", " + std::to_string(j + 1) + "]";
}

std::string Ties(const std::string& vardas, const Vieta& v) {
  return vardas + ":" + std::to_string(v.eil) + ":" + std::to_string(v.stulp) +
         ": ";
}

// Reads the value that is due next into x, or says in klaida why it cannot.
// A count must also lie within 0..riba.
bool Reiksme(Skaitykle& sk, const std::string& vardas, Kas kas, std::int32_t i,
             std::int32_t j, std::int32_t riba, std::int32_t& x,
             std::string& klaida) {
  Vieta pradzia;
  std::string rasta;
  switch (SkaitytiSveikaji(sk, pradzia, x, rasta)) {
    case Ivestis::Gerai:
      if (kas == Kas::Elementas || (x >= 0 && x <= riba)) return true;
      klaida = Ties(vardas, pradzia) + Pavadinimas(kas, i, j, false) +
               " turi buti nuo 0 iki " + std::to_string(riba) + ", rasta " +
               std::to_string(x) + ".";
      return false;
    case Ivestis::Pabaiga:
      klaida = Ties(vardas, pradzia) + "truksta " +
               Pavadinimas(kas, i, j, true) + ": failas baigesi.";
      return false;
    case Ivestis::NeSveikasis:
      klaida = Ties(vardas, pradzia) + Pavadinimas(kas, i, j, false) +
               " turi buti sveikasis skaicius, rasta \"" + rasta + "\".";
      return false;
    case Ivestis::Netelpa:
      klaida = Ties(vardas, pradzia) + Pavadinimas(kas, i, j, false) +
               " netelpa i 32 bitu sveikaji skaiciu: \"" + rasta + "\".";
      return false;
    case Ivestis::Klaida:
      break;
  }
  klaida = "nepavyko perskaityti duomenu failo " + vardas + ".";
  return false;
}

}  // namespace

bool SkaitytiSrauta(std::istream& fd, const std::string& vardas,
                    std::int32_t Mas[][Cm], std::int32_t& n, std::int32_t& m,
                    std::string& klaida) {
  n = 0;
  m = 0;
  Skaitykle sk{fd, {}, 0, 0, {}};
  std::int32_t eil = 0;
  std::int32_t stulp = 0;
  if (!Reiksme(sk, vardas, Kas::Eilutes, 0, 0, Cn, eil, klaida) ||
      !Reiksme(sk, vardas, Kas::Stulpeliai, 0, 0, Cm, stulp, klaida)) {
    return false;
  }
  for (std::int32_t i = 0; i < eil; ++i) {
    for (std::int32_t j = 0; j < stulp; ++j) {
      if (!Reiksme(sk, vardas, Kas::Elementas, i, j, 0, Mas[i][j], klaida)) {
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
  std::ifstream fd(Duom);
  // A directory opens on some systems and fails at its first read: that too
  // is a data file that cannot be opened.
  if (!fd.is_open() || (fd.peek(), fd.bad())) {
    n = 0;
    m = 0;
    klaida = "nepavyko atidaryti duomenu failo " + Duom + ".";
    return false;
  }
  const bool gerai = SkaitytiSrauta(fd, Duom, Mas, n, m, klaida);
  fd.close();
  return gerai;
}
