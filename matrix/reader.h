#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>

#include "matrix/matrix.h"
#include "os/error.h"

// A place in the data file: line and column, both counted from 1.
struct Vieta {
  std::int64_t eil = 1;
  std::int64_t stulp = 1;
};

// The most bytes of the text found that a failure keeps, to be quoted.
constexpr std::size_t kIlgiausiaIstrauka = 20;

// The formats of spreadsheets and documents, which are not the plain text
// read here: told by a file's first bytes (kZip, kOffice, kRtf, kPdf) or by
// its extension.
enum Dokumentas {
  kNeDokumentas,
  kZip,     // zipped XML: Word (.docx), Excel (.xlsx), LibreOffice (.odt)
  kOffice,  // Word or Excel before 2007 (.doc, .xls)
  kExcel,   // an Excel workbook (.xlsx, .xls, .xlsm)
  kWord,    // a Word document (.docx, .doc)
  kRtf,     // Rich Text Format (.rtf)
  kWriter,  // a LibreOffice Writer document (.odt)
  kPdf,     // PDF
  kCsv,     // values separated by semicolons or commas, as Excel saves (.csv)
};

// Which value of the data file: the row count, the column count, or an
// element with its row and column counted from 1.
struct Kuri {
  enum Reiksme { kEiluciuSkaicius, kStulpeliuSkaicius, kElementas };
  Reiksme reiksme = kEiluciuSkaicius;
  std::int32_t eilute = 0;
  std::int32_t stulpelis = 0;
};

// How the values lie on the data file's lines, blank lines aside, as far as
// they were read. The counts' line is the line of the column count (the
// second value); the lines after it hold the elements and what follows them.
struct EiluciuForma {
  std::int32_t n = -1;  // the counts, or -1 where either is not read
  std::int32_t m = -1;
  std::int64_t kiekiu_eiluteje = 0;  // values on the counts' line, counts too
  std::int64_t eiluciu = 0;          // lines after it that hold values
  std::int64_t po = 0;  // the values on each of them, -1 where they differ
};

// Why the data file could not be read, and where.
struct SkaitymoKlaida {
  enum Rusis {
    kNera,            // no failure
    kNeatidaromas,    // the file cannot be opened (sistemos_klaida)
    kNeFailas,        // a named pipe, a device: not a file (not opened)
    kNeperskaitomas,  // a read failed part-way (sistemos_klaida)
    kUtf16,           // the text is UTF-16
    kDokumentas,      // a document's file format, not text (dokumentas)
    kDvejetainis,     // no integer, and the bytes read hold a NUL byte
    kBaigesi,         // the file ends where the value should be
    kNeSveikasis,     // the value is not an integer (rasta)
    kNetelpa,         // the value does not fit in 32 bits (rasta)
    kUzRibu,          // a count is outside 0..Cn or 0..Cm (skaicius)
  };
  Rusis rusis = kNera;
  Dokumentas dokumentas = kNeDokumentas;
  Kuri kuri{};        // the value that failed
  Vieta vieta{};      // where the value (or its run) starts
  std::string rasta;  // the text found, its first kIlgiausiaIstrauka bytes
  bool rasta_ilgesne = false;        // the text found goes on past those
  bool prilipes = false;             // the text runs on from the previous value
  std::int32_t skaicius = 0;         // the count out of range
  SistemosKlaida sistemos_klaida{};  // the error of the failed open or read
  EiluciuForma forma{};  // the lines up to the failure; for a count out of
                         // range, through the rest (as after the last value)
};

// Reads the data file Duom (binary) into Mas, n and m: the row count, the
// column count, then n * m elements row by row, over lines in any way. A
// value is read as stream extraction reads a decimal integer (white space,
// an optional sign, digits; "5-3" is 5 and -3), text run on from the last
// value included ("4.5" fails). A UTF-8 byte order mark is skipped; UTF-16
// with its byte order mark, a document format and, where a value fails, a
// NUL byte are told apart. Anything but a regular file is refused unopened.
// On success, perteklius says where anything but white space (or a lone
// Ctrl-Z ending the file) follows the last value, and forma how the values
// lie on the lines; after the last value, at most 1 MiB is looked through,
// each run of other than white space counted as one value. On failure returns
// false, n = m = 0, and klaida says what went wrong and where.
bool Skaityti(std::string Duom, std::int32_t Mas[][Cm], std::int32_t& n,
              std::int32_t& m, std::optional<Vieta>& perteklius,
              EiluciuForma& forma, SkaitymoKlaida& klaida);

// The same from an open stream, fd.
bool SkaitytiSrauta(std::istream& fd, std::int32_t Mas[][Cm], std::int32_t& n,
                    std::int32_t& m, std::optional<Vieta>& perteklius,
                    EiluciuForma& forma, SkaitymoKlaida& klaida);
