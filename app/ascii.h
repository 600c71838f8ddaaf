#pragma once

#include <filesystem>
#include <string>

// Text (UTF-8) as printable ASCII: Lithuanian letters without their marks,
// the quotes „ and “ as '"', the dash – as '-'; any other character, and an
// invalid byte together with the continuation bytes (0x80..0xbf) after it,
// as one '?'.
std::string Ascii(const std::string& tekstas);

// A byte as the four characters \xNN (lower-case hex), for bytes that cannot
// be shown as they are.
std::string BaitoKodas(unsigned char c);

// A path as UTF-8; "?" if the system cannot convert it.
std::string Utf8(const std::filesystem::path& kelias);
