#pragma once

// Flushes standard output and waits for a key, so that the console window
// stays open. The prompt "Press any key to continue . . . " goes to standard
// output, or to standard error where only that is the console; a line end
// follows it when the wait is over.
// Windows: runs the command interpreter's "pause" where standard output is
// the console or standard input is not; otherwise, or where that fails,
// waits on the console of standard input itself.
// POSIX: only where standard input is a terminal and standard output or
// error is one too (where the prompt shows), switched to take one key
// unechoed (Ctrl-C included), then put back as it was. Started in the
// background, the program is stopped by SIGTTOU until it is in the
// foreground, and takes the settings it finds there. For the wait it takes
// over the signals that end the program, so that they put the settings back
// first (from the terminal's foreground), and gives them back after it.
// Stopped while it waits, it leaves the terminal as it is, and does not
// switch it again when continued. Where the terminal cannot be switched (as
// from an orphaned process group) or the prompt cannot be written, it
// returns without reading a key.
void Pauze();
