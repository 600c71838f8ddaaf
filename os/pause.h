#pragma once

// Flushes standard output and waits for a key, so that the console window
// stays open. The prompt "Press any key to continue . . . " goes to standard
// output, or to standard error where only that is the console.
// Windows: runs the command interpreter's "pause" where standard output is
// the console or standard input is not; otherwise, or where that fails,
// waits on the console of standard input itself.
// POSIX: only where standard input is a terminal: waits for the foreground,
// reads one key unechoed and restores the terminal. During the wait it takes
// over the ending signals (os/ending_signals.h) and the stop signals, so
// that the terminal is restored however the wait ends, and puts their
// actions back after it. Where the terminal cannot be had or switched, it
// returns after the prompt.
void Pauze();
