#pragma once

#include <cstddef>
#include <string>

// How long, in seconds, SkaitytiKanala waits for more to come, and how much
// it reads at most.
constexpr int kKanaloLaukimas = 5;
constexpr std::size_t kDidziausiasKanalas = std::size_t{16} << 20;

// What SkaitytiKanala found.
enum class Kanalas {
  kNe,            // not a pipe
  kPerskaitytas,  // read into turinys
  kNiekasNeraso,  // nothing was written into it in time
};

// When vardas names a pipe (FIFO), reads what is written into it into
// turinys without ever waiting for good: up to the end, a pause of
// kKanaloLaukimas seconds, or kDidziausiasKanalas bytes, whichever comes
// first. Throws std::bad_alloc when memory runs out.
Kanalas SkaitytiKanala(const std::string& vardas, std::string& turinys);
