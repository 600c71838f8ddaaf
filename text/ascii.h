#pragma once

#include <string>

// Text (UTF-8) as printable ASCII: Lithuanian letters without their marks,
// the quotes „ and “ as '"', the dash – as '-'; any other character as one
// '?', and so an invalid byte together with the continuation bytes
// (0x80..0xbf) after it. Text quoted from the data file (see
// kCitatosPradzia) shows each byte outside printable ASCII as \xNN.
std::string Ascii(const std::string& tekstas);
