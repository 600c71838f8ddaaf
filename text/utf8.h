#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// UTF-8 text as the program shows it.

// What Dekoduoti returns for an ill-formed sequence.
constexpr char32_t kNetinkamas = 0x110000;

// The character that starts at tekstas[k], with ilgis set to the bytes it
// takes; for an ill-formed sequence (a stray continuation byte, a lead byte
// the next byte does not fit, a sequence cut short, an overlong form, a
// surrogate, a value past U+10FFFF) kNetinkamas, with ilgis the length of its
// maximal subpart (at least 1). Requires: k < tekstas.size().
char32_t Dekoduoti(std::string_view tekstas, std::size_t k, std::size_t& ilgis);

// Appends the character kodas (at most U+10FFFF) to tekstas as UTF-8.
void Koduoti(std::string& tekstas, char32_t kodas);

// The length in bytes of the valid UTF-8 character at tekstas[k], or 0 for
// an ill-formed sequence or a control character (C0, DEL, C1).
// Requires: k < tekstas.size().
std::size_t Utf8Simbolis(std::string_view tekstas, std::size_t k);

// A byte as the four characters \xNN (lower-case hex).
std::string BaitoKodas(unsigned char c);

// The marks around text quoted from the data file within a message, and
// nowhere else: its bytes as found, control characters already as \xNN.
// Raidemis and Ascii show quoted text each as it can.
constexpr char kCitatosPradzia = '\x01';
constexpr char kCitatosPabaiga = '\x02';

// True when c is one of the marks; then citata says whether quoted text
// starts there.
inline bool CitatosZyme(char c, bool& citata) {
  if (c != kCitatosPradzia && c != kCitatosPabaiga) return false;
  citata = c == kCitatosPradzia;
  return true;
}

// A message as a screen that shows letters shows it: valid UTF-8 characters
// as they are; in quoted text, other bytes as Windows-1257 characters; each
// control character, and any other byte, as \xNN.
std::string Raidemis(const std::string& tekstas);

// A path as UTF-8; "?" if the system cannot convert it.
std::string Utf8(const std::filesystem::path& kelias);
