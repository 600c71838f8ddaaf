#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "matrix/reader.h"

// The lines that a successful run adds on standard error, each one line of
// UTF-8 without its line end: a warning ("Įspėjimas: ...") or a note
// ("Pastaba: ..."). A note that does not apply is empty.

// The note on what the data file's lines, forma, show where they disagree with
// its counts: that each line after the counts' holds k values, or that they
// hold unequal numbers of values, then to check the counts; where the counts'
// line holds as many values as each line after it, more than two, that the
// first two are taken as the counts, and what to write first (with a count not
// read, forma.m < 0, only that). Empty where they agree: all the values on one
// line, or on one after the counts alone, or each line after the counts'
// holding k values, m a positive multiple of k.
std::string EiluciuPastaba(const EiluciuForma& forma);

// The same as a sentence on a line of its own, to end a failure's message.
std::string EiluciuUzuomina(const EiluciuForma& forma);

// The warning that more than white space follows the last value of the data
// file Duom, at vieta; it asks whether the counts are right, or tells what
// the lines show where they disagree with the counts, as EiluciuPastaba.
std::string PertekliausIspejimas(std::string Duom, const Vieta& vieta,
                                 const EiluciuForma& forma);

// The note that Duom holds the sample data that comes with the program (n
// rows of m columns in Mas, whatever their lines), and where the person's
// own data goes: Duom, where the program runs (unzipped if in laikinas).
std::string PavyzdzioPastaba(std::string Duom, const std::int32_t Mas[][Cm],
                             std::int32_t n, std::int32_t m,
                             const std::filesystem::path& laikinas);

// The note that the results file Rez is Windows-1257 text.
std::string KoduotesPastaba(std::string Rez);

// The note that the results file Rez lies in the temporary folder laikinas or
// within it, where Windows may delete it: extract the archive first.
std::string LaikinoAplankoPastaba(std::string Rez,
                                  const std::filesystem::path& laikinas);

// The note that Duom was read, not the files nearly of its name beside it.
std::string PanasiuVarduPastaba(std::string Duom);

// The note that Duom was read and Rez written in the working folder, not in
// the program's own folder programos, which holds a file of either name.
std::string AplankoPastaba(std::string Duom, std::string Rez,
                           const std::filesystem::path& programos);

// The note that the program uses none of its argumentai (as a file dropped
// on it), and which data file Duom it read.
std::string ArgumentuPastaba(std::string Duom,
                             const std::vector<std::string>& argumentai);

// The notes above that apply, of the temporary folder (given only on
// Windows, see LaikinasAplankas), the near names, the folder and the
// arguments, in that order; the folder's only on Windows, where a
// double-click starts a program in its own folder.
std::vector<std::string> Pastabos(std::string Duom, std::string Rez,
                                  const std::vector<std::string>& argumentai);
