#pragma once

#include <string>

#include "matrix/reader.h"

// What the data file's lines show where they disagree with its counts. They
// agree where each line after the counts' holds m values, where those lines
// are one at most, and where each holds k values, m a multiple of k (rows
// split evenly). Where the counts' line holds more than the two counts, as
// many values as each line after it, the counts were most likely forgotten:
// then it says that the first two numbers are taken as the counts, and what
// to write first. With a count not read (f.m < 0), it says only that.

// The counts and what the lines show, then on a line of its own what to
// check or do, as a clause to follow a colon or a semicolon; or nothing.
std::string EiluciuNeatitikimas(const EiluciuForma& f);

// The same as a note after a successful run.
std::string EiluciuPastaba(const EiluciuForma& f);

// The same as a sentence on a line of its own, to end a failure's message.
std::string EiluciuUzuomina(const EiluciuForma& f);
