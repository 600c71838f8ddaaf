#pragma once

#include <string>

#include "matrix/reader.h"

// Spreadsheets and documents that are not plain text: what each is, and how
// to save it as the text file the program reads.

// For a file of the format d beside the data file: ": tai ..., ne
// tekstas." and how to save it as plain text named kamienas; nothing for
// kNeDokumentas.
std::string KaipIrasytiTekstu(Dokumentas d, const std::string& kamienas);

// For the data file vardas, of the format d (not kNeDokumentas): what it is,
// and how to save it as plain text of its own name.
std::string DokumentasNeTekstas(Dokumentas d, std::string vardas);
