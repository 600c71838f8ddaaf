#pragma once

#include <string>

#include "matrix/reader.h"

// Why the text found in place of a value is no integer, where it is a common
// typing mistake, as a line "(...)" to add to the message; nothing otherwise.
// Named are: a dash for the minus; a non-breaking space, as a thousands
// separator or elsewhere; the Lithuanian keyboard's number row typed for
// digits, with the number meant; a control character (as Ctrl-Z) by a digit,
// which editors hide; a CSV file's separators; values run together. Bytes that
// are no UTF-8 are read as Windows-1257.
std::string KodelNeSveikasis(const SkaitymoKlaida& k);
