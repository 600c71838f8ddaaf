#pragma once

#include <string>

#include "app/near_names.h"
#include "matrix/reader.h"

// Spreadsheets and documents that are not plain text: what each is, and how
// to save it as the text file the program reads.

// For a file of the kind rusis beside the data file: ": tai ..., ne
// tekstas." and how to save it as plain text named kamienas; nothing for a
// kind other than kExcel, kWord, kRtf, kWriter and kPdf.
std::string KaipIrasytiTekstu(PanasusVardas::Rusis rusis,
                              const std::string& kamienas);

// For the data file vardas, whose first bytes show the document format d
// (not kNeDokumentas): what it is, and how to save it as plain text of its
// own name.
std::string DokumentasNeTekstas(SkaitymoKlaida::Dokumentas d,
                                const std::string& vardas);
