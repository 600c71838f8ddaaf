#pragma once

// The signals whose default action ends the program (POSIX): SIGHUP, SIGINT,
// SIGQUIT, SIGTERM, SIGPIPE, SIGSEGV and the rest, the real-time ones
// among them. The program takes them over for a moment, to leave things in
// order (the report emptied, the terminal restored) before it ends.

// Makes tvarkykle the handler of each of those signals, but for those the
// program was started with ignored, which stay ignored; remembers what each
// did before. The handler runs with no other signal blocked.
void PerimtiBaigiancius(void (*tvarkykle)(int));

// Puts back what each of those signals did before PerimtiBaigiancius.
void GrazintiBaigiancius();
