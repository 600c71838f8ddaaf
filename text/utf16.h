#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text between UTF-8 and UTF-16, the code units held in wchar_t as Windows
// takes them (where wchar_t is wider, as on Linux, each holds one unit all
// the same). Ill-formed input is never refused.
// Where text/utf8.h is included too, Utf8 of a wchar_t pointer or a
// std::wstring is ambiguous with Utf8 of a path: name the std::wstring_view.

// Writes utf8 to i as UTF-16 code units, without a terminating zero, and
// returns how many it wrote: never more than utf8.size(). Each maximal
// subpart of an ill-formed sequence (see Dekoduoti) becomes one U+FFFD.
// Takes no memory. Requires: i has room for utf8.size() units.
std::size_t Utf16(std::string_view utf8, wchar_t* i);

// utf8 as UTF-16, as the form above writes it.
std::wstring Utf16(std::string_view utf8);

// UTF-16 code units as UTF-8: a surrogate pair as its one character, each
// unpaired surrogate (and, where wchar_t is wider, a value past 0xFFFF) as
// U+FFFD.
std::string Utf8(std::wstring_view utf16);
