#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// UTF-8 text as the program shows it.

// The length in bytes of the valid UTF-8 character at tekstas[k], or 0 for
// an invalid byte or a control character (C0, DEL, C1).
// Requires: k < tekstas.size().
std::size_t Utf8Simbolis(const std::string& tekstas, std::size_t k);

// A byte as the four characters \xNN (lower-case hex), for a byte that
// cannot be shown as it is.
std::string BaitoKodas(unsigned char c);

// A path as UTF-8; "?" if the system cannot convert it.
std::string Utf8(const std::filesystem::path& kelias);
