#pragma once

// Waits for a key press before the console window closes: the command
// interpreter's "pause" where it has one (Windows). Elsewhere, when standard
// input is a terminal, prints "Press any key to continue . . . " and waits for
// one key without echo; when it is not a terminal, returns at once.
// Standard output is flushed first.
void Pauze();
