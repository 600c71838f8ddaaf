#pragma once

#include <string>

// Writes a message (UTF-8) and a line end to standard error, as the screen
// can show it (see Rodyti): on a Windows console through WriteConsoleW, every
// letter as it is, laid out for its width; on POSIX, where the locale's
// character set is UTF-8 (the run takes LC_CTYPE from the environment at its
// start), as Raidemis shows it, laid out where standard error is a terminal;
// elsewhere (a redirected stream on Windows, the C locale) in its ASCII form
// (Ascii), on one line.
void Pranesti(const std::string& eilute);

// Writes a ready-made line (UTF-8, and its ASCII form) as Pranesti would,
// without taking memory: for when there is none left.
void PranestiTiesiai(const char* eilute, const char* ascii);
