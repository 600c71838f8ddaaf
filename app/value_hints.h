#pragma once

#include <string>

#include "matrix/reader.h"

// Why the text found in place of a value is no integer, where it is a
// common typing mistake, as " (...)" to add to the message; nothing
// otherwise. The text is read as UTF-8 where it is valid, and byte by byte as
// Windows-1257 elsewhere. Named are: a dash or hyphen from a word processor
// for the minus; a non-breaking space, as a thousands separator (a digit
// before it and a group of three after) or elsewhere; the letters that the
// Lithuanian keyboard's number row types in place of digits, with the
// number meant; the separators of a spreadsheet's CSV file; values run
// together.
std::string KodelNeSveikasis(const SkaitymoKlaida& k);
