#include "matrix/scanner.h"

namespace {

// True when the chunk in hand starts with the ilgis bytes of zyme.
bool PrasidedaZyme(Skeneris& sk, const char* zyme, std::streamsize ilgis) {
  return Ziureti(sk) != kPabaiga && sk.ilgis >= ilgis &&
         std::char_traits<char>::compare(sk.buf, zyme, ilgis) == 0;
}

}  // namespace

int Papildyti(Skeneris& sk) {
  if (!sk.fd.good()) return kPabaiga;
  ValytiSistemosKlaida();
  sk.fd.read(sk.buf, sizeof sk.buf);
  if (sk.fd.bad()) {
    sk.sistemos_klaida = SistemosKlaidaDabar();
    sk.skaitymo_klaida = true;
  }
  sk.ilgis = sk.fd.gcount();
  sk.pos = 0;
  if (std::char_traits<char>::find(sk.buf, static_cast<std::size_t>(sk.ilgis),
                                   '\0') != nullptr) {
    sk.nulis = true;
  }
  if (sk.ilgis == 0) return kPabaiga;
  return static_cast<unsigned char>(sk.buf[0]);
}

void BaigtiSerija(Skeneris& sk) {
  for (int c = Ziureti(sk);
       c != kPabaiga && !Tarpas(c) && sk.serijos_ilgis <= kIlgiausiaIstrauka;
       c = Ziureti(sk)) {
    Imti(sk);
  }
}

bool Utf16Zyme(Skeneris& sk) {
  return PrasidedaZyme(sk, "\xff\xfe", 2) || PrasidedaZyme(sk, "\xfe\xff", 2);
}

Dokumentas DokumentoZyme(Skeneris& sk) {
  static const struct {
    const char* zyme;
    std::streamsize ilgis;
    Dokumentas dokumentas;
  } kZymes[] = {
      {"PK\x03\x04", 4, kZip},
      {"\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1", 8, kOffice},
      {"{\\rtf", 5, kRtf},
      {"%PDF-", 5, kPdf},
  };
  for (const auto& z : kZymes) {
    if (PrasidedaZyme(sk, z.zyme, z.ilgis)) return z.dokumentas;
  }
  return kNeDokumentas;
}

void PraleistiUtf8Zyme(Skeneris& sk) {
  if (PrasidedaZyme(sk, "\xef\xbb\xbf", 3)) sk.pos = 3;
}
