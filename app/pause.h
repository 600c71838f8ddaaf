#pragma once

// Waits for a key press before the console window closes. Standard output is
// flushed first.
//
// Windows: where standard output is the console, or standard input is not,
// runs the command interpreter's "pause", whose prompt goes to standard
// output. Where that cannot run or fails, or where standard output is
// redirected, and standard input is the console, waits for a key on the
// console itself instead, after the prompt "Press any key to continue . . . "
// on standard output, or on standard error where only that is the console.
//
// Elsewhere, when standard input is a terminal: waits until the program is
// in the terminal's foreground (started in the background, it stops until a
// shell brings it forward), switches the terminal to single keys without
// echo (Ctrl-C is a key too), prints "Press any key to continue . . . " to
// standard output, or to standard error where only that is the terminal,
// waits for one key and restores the terminal; a line end ends the prompt's
// line. During the wait it takes over the ending signals (app/ending_signals.h
// and the real-time ones), SIGTSTP, SIGTTIN, SIGTTOU and SIGCONT, leaving
// ignored those ignored at start, and puts their actions back after it: an
// ending signal restores the terminal and then ends the program as it would
// have; a stop signal restores it, where the program has it, before the program
// stops, and the wait's settings are taken again when it is continued in the
// foreground. Where the terminal cannot be had (SIGTTOU ignored or blocked in
// the background, no shell to continue the program) or switched, it returns
// after the prompt without waiting. When standard input is not a terminal,
// returns at once.
void Pauze();
