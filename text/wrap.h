#pragma once

#include <cstddef>
#include <string>

// Lays out text (UTF-8) for a console plotis characters wide: each of its
// lines (split at '\n') is broken between words so that no line is wider,
// and a word that does not fit on a line with others (a long folder name)
// stands on a line of its own, whole. Lines end with '\n' but the last.
// Requires: plotis > 0.
std::string Isdestyti(const std::string& tekstas, std::size_t plotis);

// How wide a console is taken to be: one column short of 80, so that a full
// line does not push the cursor onto the next.
constexpr std::size_t kKonsolesPlotis = 79;

// A message as it goes to the screen: each of its lines (split at '\n')
// shown by rodyti; on a console laid out by Isdestyti for kKonsolesPlotis
// columns, elsewhere joined into one line by spaces.
std::string Rodyti(const std::string& pranesimas,
                   std::string (*rodyti)(const std::string&), bool konsole);
