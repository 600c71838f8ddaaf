#pragma once

#include <cerrno>
#include <cstdlib>

// The error of a failed system call: errno for a call of the C or POSIX
// library; on Windows also the system's own code, _doserrno for a call of
// the C library or GetLastError() for a call of the Windows API (klaidos_nr
// is then 0).
struct SistemosKlaida {
  int klaidos_nr = 0;
  unsigned long windows_kodas = 0;
};

// Clears errno (and _doserrno), so that a call that fails without setting it
// is not blamed on an earlier one. Call it right before the call.
inline void ValytiSistemosKlaida() {
  errno = 0;
#ifdef _WIN32
  _doserrno = 0;
#endif
}

// The error of the C library call that failed last. Call it right after
// that call.
inline SistemosKlaida SistemosKlaidaDabar() {
#ifdef _WIN32
  return {errno, _doserrno};
#else
  return {errno, 0};
#endif
}
