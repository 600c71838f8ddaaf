#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The running program itself: where it is, what it was given, and how it
// starts.

// On POSIX, opens standard input, output and error on the null device where
// they were closed, so that no file the program opens takes their place, and
// ignores SIGPIPE and SIGXFSZ, so that a write to a closed pipe or past a
// file size limit fails with its error instead of ending the program.
void ParuostiProcesa();

// True on Windows, where a double-click starts a program in its own folder.
bool PaleidziamasSavoAplanke();

// False where Notepad would show the report's Windows-1257 letters wrongly:
// on a Windows whose code page for programs without Unicode is not 1257.
bool UzrasuKnygeleRodysRaides();

// The folder that holds the program's file, as an absolute path: on Windows
// from GetModuleFileNameW, on Linux from /proc/self/exe; empty where the
// system does not tell.
std::filesystem::path ProgramosAplankas();

// The user's temporary folder, where Windows may delete files, as an
// absolute path in its long form (no C:\Users\VARDEN~1): on Windows from
// GetTempPathW; empty on other systems, where /tmp is a place people work in.
std::filesystem::path LaikinasAplankas();

// The arguments after the program's name (argc and argv as main has them),
// as UTF-8: on Windows taken from the command line in UTF-16, so that every
// letter of a file dropped on the program is kept.
std::vector<std::string> Argumentai(int argc, char** argv);
