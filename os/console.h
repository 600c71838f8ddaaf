#pragma once

#include <string>

// Writes a message (UTF-8) and a line end to standard error, as the screen
// can show it (see Rodyti): on a Windows console every letter, through
// WriteConsoleW; on POSIX in a UTF-8 locale (LC_CTYPE taken from the
// environment at the run's start) as Raidemis shows it; elsewhere in its
// ASCII form (Ascii). Laid out on a console or terminal, else on one line.
void Pranesti(const std::string& eilute);

// Writes a ready-made line (UTF-8, and its ASCII form) as Pranesti would,
// without taking memory: for when there is none left.
void PranestiTiesiai(const char* eilute, const char* ascii);
