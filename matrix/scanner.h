#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>

#include "matrix/reader.h"
#include "os/error.h"

// The data file's bytes as the reader takes them: in fixed chunks, with the
// place of the next byte and the run of non-white-space bytes taken last.

// What Ziureti returns at the end of the stream or after a read error.
constexpr int kPabaiga = std::char_traits<char>::eof();

struct Skeneris {
  std::istream& fd;
  char buf[4096] = {};
  std::streamsize pos = 0;
  std::streamsize ilgis = 0;
  Vieta v{};                         // the place of the next byte
  Vieta serijos_vieta{};             // where the current run starts
  std::string serija{};              // its first bytes, up to the limit
  std::size_t serijos_ilgis = 0;     // its length in bytes
  bool skaitymo_klaida = false;      // a read failed
  bool nulis = false;                // a chunk read so far holds a NUL byte
  SistemosKlaida sistemos_klaida{};  // the error of the failed read
};

// White space as the C locale's formatted extraction skips it.
inline bool Tarpas(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

// An ASCII decimal digit, whatever the locale.
inline bool Skaitmuo(int c) { return c >= '0' && c <= '9'; }

// Reads the next chunk; returns its first byte, or kPabaiga.
int Papildyti(Skeneris& sk);

// The next byte (as unsigned char) without taking it, or kPabaiga at the end
// of the stream or after a read error (then skaitymo_klaida is set).
inline int Ziureti(Skeneris& sk) {
  if (sk.pos == sk.ilgis) return Papildyti(sk);
  return static_cast<unsigned char>(sk.buf[sk.pos]);
}

// Takes the next byte and returns it (kPabaiga at the end), keeping the
// place and the current run up to date. Inline: it runs once a byte.
inline int Imti(Skeneris& sk) {
  const int c = Ziureti(sk);
  if (c == kPabaiga) return c;
  ++sk.pos;
  if (Tarpas(c)) {
    sk.serijos_ilgis = 0;
  } else {
    if (sk.serijos_ilgis == 0) {
      sk.serijos_vieta = sk.v;
      sk.serija.clear();
    }
    if (sk.serijos_ilgis < kIlgiausiaIstrauka) {
      sk.serija += static_cast<char>(c);
    }
    ++sk.serijos_ilgis;
  }
  if (c == '\n') {
    ++sk.v.eil;
    sk.v.stulp = 1;
  } else {
    ++sk.v.stulp;
  }
  return c;
}

// Takes the rest of the current run, but no byte past the quoting limit, so
// that an endless run ends too.
void BaigtiSerija(Skeneris& sk);

// True when the text starts with a UTF-16 byte order mark.
bool Utf16Zyme(Skeneris& sk);

// The document format that the text's first bytes show, or kNeDokumentas.
Dokumentas DokumentoZyme(Skeneris& sk);

// Skips a UTF-8 byte order mark at the start; it takes no column.
void PraleistiUtf8Zyme(Skeneris& sk);
