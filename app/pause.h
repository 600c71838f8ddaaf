#pragma once

// Waits for a key press before the console window closes: the command
// interpreter's "pause" where it has one (Windows). Elsewhere, when standard
// input is a terminal, prints "Press any key to continue . . . " and waits for
// one key without echo; if the terminal cannot be switched to single keys, it
// returns after the prompt without waiting. When standard input is not a
// terminal, returns at once. Standard output is flushed first.
void Pauze();
