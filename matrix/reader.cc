#include "matrix/reader.h"

#include <filesystem>
#include <fstream>
#include <limits>
#include <new>
#include <system_error>
#include <utility>

#include "matrix/scanner.h"

namespace {

// The most bytes looked through after the last value, so that an endless
// stream ends too.
constexpr std::size_t kLikucioRiba = std::size_t{1} << 20;

enum class Ivestis { Gerai, Pabaiga, NeSveikasis, Netelpa };

// Extracts one integer as formatted stream extraction does, after the white
// space has been skipped: an optional sign, decimal digits, ending where the
// digits end.
Ivestis SkaitytiSveikaji(Skeneris& sk, std::int32_t& x) {
  int c = Ziureti(sk);
  if (c == kPabaiga) return Ivestis::Pabaiga;

  const bool neigiamas = c == '-';
  if (c == '-' || c == '+') c = (Imti(sk), Ziureti(sk));
  if (!Skaitmuo(c)) return Ivestis::NeSveikasis;

  // Accumulating stops past 2^31, the largest magnitude that may fit, so the
  // value never overflows however many digits follow.
  constexpr long long kRiba = 1LL + std::numeric_limits<std::int32_t>::max();
  long long reiksme = 0;
  for (; Skaitmuo(c); c = Ziureti(sk)) {
    const int d = Imti(sk) - '0';
    if (reiksme <= kRiba) reiksme = reiksme * 10 + d;
  }
  if (neigiamas) reiksme = -reiksme;
  if (reiksme > std::numeric_limits<std::int32_t>::max() ||
      reiksme < std::numeric_limits<std::int32_t>::min()) {
    return Ivestis::Netelpa;
  }
  x = static_cast<std::int32_t>(reiksme);
  return Ivestis::Gerai;
}

// The reader's state: the scanner, where the value read last starts, which
// value started the current run (a value that follows the previous one
// without white space continues that run), and the lines' shape so far: the
// values counted, the line of the last one and how many that line holds.
struct Skaitymas {
  Skeneris sk;
  Vieta vieta{};
  Kuri serijos_pradzia{};
  EiluciuForma forma{};
  std::int64_t skaiciu = 0;
  std::int64_t eilute = 0;
  std::int64_t eiluteje = 0;
};

// Adds the line counted last to the shape, from the counts' line on.
void Uzbaigti(Skaitymas& s) {
  EiluciuForma& f = s.forma;
  const std::int64_t k = std::exchange(s.eiluteje, 0);
  if (k == 0 || s.skaiciu < 2) return;
  if (f.kiekiu_eiluteje == 0) {
    f.kiekiu_eiluteje = k;
  } else {
    f.po = f.eiluciu++ == 0 || f.po == k ? k : -1;
  }
}

// Counts a value on line eil.
void Skaiciuoti(Skaitymas& s, std::int64_t eil) {
  if (eil != s.eilute) Uzbaigti(s);
  s.eilute = eil;
  ++s.eiluteje;
  ++s.skaiciu;
}

// Looks through the rest of the text, at most kLikucioRiba bytes, counting
// its runs as values; returns where the first byte but white space is. A read
// error there does not spoil what was read.
std::optional<Vieta> Likutis(Skaitymas& s) {
  std::optional<Vieta> pirmas;
  for (std::size_t k = 0; k < kLikucioRiba && Ziureti(s.sk) != kPabaiga; ++k) {
    const Vieta v = s.sk.v;
    const bool naujas = s.sk.serijos_ilgis == 0;
    const int c = Imti(s.sk);
    if (Tarpas(c)) continue;
    // A Ctrl-Z alone at the very end is how old editors end a file.
    if (c == 0x1a && naujas && Ziureti(s.sk) == kPabaiga) break;
    if (!pirmas) pirmas = v;
    if (naujas) Skaiciuoti(s, v.eil);
  }
  Uzbaigti(s);
  return pirmas;
}

bool SkaitymoKlaidaIvyko(const Skeneris& sk, SkaitymoKlaida& klaida) {
  if (!sk.skaitymo_klaida) return false;
  klaida.rusis = SkaitymoKlaida::kNeperskaitomas;
  klaida.sistemos_klaida = sk.sistemos_klaida;
  return true;
}

// Reads value kuri into x; on failure fills klaida. A value that fails right
// after the previous one, with no white space between them, is told as its
// whole run, named after the value that starts the run.
bool Reiksme(Skaitymas& s, const Kuri& kuri, std::int32_t& x,
             SkaitymoKlaida& klaida) {
  Skeneris& sk = s.sk;
  while (Tarpas(Ziureti(sk))) Imti(sk);
  s.vieta = sk.v;
  const bool prilipes = sk.serijos_ilgis > 0;
  if (!prilipes) s.serijos_pradzia = kuri;
  const Ivestis ivestis = SkaitytiSveikaji(sk, x);
  if (SkaitymoKlaidaIvyko(sk, klaida)) return false;
  if (ivestis == Ivestis::Gerai) {
    Skaiciuoti(s, s.vieta.eil);
    return true;
  }

  if (ivestis == Ivestis::NeSveikasis ||
      (prilipes && ivestis == Ivestis::Netelpa)) {
    BaigtiSerija(sk);
    if (SkaitymoKlaidaIvyko(sk, klaida)) return false;
    klaida.rusis =
        sk.nulis ? SkaitymoKlaida::kDvejetainis : SkaitymoKlaida::kNeSveikasis;
    klaida.prilipes = prilipes;
    klaida.kuri = s.serijos_pradzia;
    klaida.vieta = prilipes ? sk.serijos_vieta : s.vieta;
  } else {
    klaida.rusis = ivestis == Ivestis::Pabaiga ? SkaitymoKlaida::kBaigesi
                                               : SkaitymoKlaida::kNetelpa;
    klaida.kuri = kuri;
    klaida.vieta = s.vieta;
  }
  if (klaida.rusis != SkaitymoKlaida::kBaigesi) {
    klaida.rasta = sk.serija;
    klaida.rasta_ilgesne = sk.serijos_ilgis > kIlgiausiaIstrauka;
  }
  return false;
}

// Reads a count into x and checks that it lies within 0..riba.
bool Kiekis(Skaitymas& s, Kuri::Reiksme reiksme, std::int32_t riba,
            std::int32_t& x, SkaitymoKlaida& klaida) {
  if (!Reiksme(s, {reiksme, 0, 0}, x, klaida)) return false;
  if (x >= 0 && x <= riba) return true;
  klaida.rusis = SkaitymoKlaida::kUzRibu;
  klaida.kuri = {reiksme, 0, 0};
  klaida.vieta = s.vieta;
  klaida.skaicius = x;
  Likutis(s);
  return false;
}

}  // namespace

bool SkaitytiSrauta(std::istream& fd, std::int32_t Mas[][Cm], std::int32_t& n,
                    std::int32_t& m, std::optional<Vieta>& perteklius,
                    EiluciuForma& forma, SkaitymoKlaida& klaida) {
  n = 0;
  m = 0;
  perteklius.reset();
  forma = EiluciuForma{};
  klaida = SkaitymoKlaida{};
  Skaitymas s{Skeneris{fd}};
  if (Utf16Zyme(s.sk)) {
    klaida.rusis = SkaitymoKlaida::kUtf16;
    return false;
  }
  klaida.dokumentas = DokumentoZyme(s.sk);
  if (klaida.dokumentas != kNeDokumentas) {
    klaida.rusis = SkaitymoKlaida::kDokumentas;
    return false;
  }
  PraleistiUtf8Zyme(s.sk);
  std::int32_t eil = 0;
  std::int32_t stulp = 0;
  if (!Kiekis(s, Kuri::kEiluciuSkaicius, Cn, eil, klaida) ||
      !Kiekis(s, Kuri::kStulpeliuSkaicius, Cm, stulp, klaida)) {
    Uzbaigti(s);
    klaida.forma = s.forma;
    return false;
  }
  s.forma.n = eil;
  s.forma.m = stulp;
  for (std::int32_t i = 0; i < eil; ++i) {
    for (std::int32_t j = 0; j < stulp; ++j) {
      if (!Reiksme(s, {Kuri::kElementas, i + 1, j + 1}, Mas[i][j], klaida)) {
        Uzbaigti(s);
        klaida.forma = s.forma;
        return false;
      }
    }
  }
  // Text run on from the last value is that value's, as for any other:
  // "4.5" fails whole, while "5-3" is 5 and one more value.
  const int c = Ziureti(s.sk);
  if (c != kPabaiga && !Tarpas(c)) {
    std::int32_t kitas = 0;
    if (!Reiksme(s, s.serijos_pradzia, kitas, klaida)) return false;
    perteklius = s.vieta;
    Likutis(s);
  } else {
    perteklius = Likutis(s);
  }
  n = eil;
  m = stulp;
  forma = s.forma;
  return true;
}

bool Skaityti(std::string Duom, std::int32_t Mas[][Cm], std::int32_t& n,
              std::int32_t& m, std::optional<Vieta>& perteklius,
              EiluciuForma& forma, SkaitymoKlaida& klaida) {
  n = 0;
  m = 0;
  perteklius.reset();
  forma = EiluciuForma{};
  klaida = SkaitymoKlaida{};
  // Opening a named pipe would wait for its writer: only a regular file is
  // opened. A folder is named by the reason the open's failure gives.
  std::error_code ec;
  const std::filesystem::file_status st = std::filesystem::status(Duom, ec);
  if (!ec && !std::filesystem::is_regular_file(st)) {
    klaida.rusis = std::filesystem::is_directory(st)
                       ? SkaitymoKlaida::kNeatidaromas
                       : SkaitymoKlaida::kNeFailas;
    return false;
  }
  ValytiSistemosKlaida();
  std::ifstream fd(Duom, std::ios::binary);
  if (!fd.is_open()) {
    klaida.rusis = SkaitymoKlaida::kNeatidaromas;
    klaida.sistemos_klaida = SistemosKlaidaDabar();
    // Memory ran out, as in operator new: the new handler's to deal with.
    const std::new_handler trukumas = std::get_new_handler();
    if (klaida.sistemos_klaida.klaidos_nr == ENOMEM && trukumas) trukumas();
    return false;
  }
  return SkaitytiSrauta(fd, Mas, n, m, perteklius, forma, klaida);
}
