#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The running program itself: where it is, and what it was given.

// The folder that holds the program's file, as an absolute path: on Windows
// from GetModuleFileNameW, on Linux from /proc/self/exe; empty where the
// system does not tell.
std::filesystem::path ProgramosAplankas();

// The arguments after the program's name (argc and argv as main has them),
// as UTF-8: on Windows taken from the command line in UTF-16, so that every
// letter of a file dropped on the program is kept.
std::vector<std::string> Argumentai(int argc, char** argv);
