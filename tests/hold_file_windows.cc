// A stand-in for a program such as Excel that holds a file open: opens the
// file named without sharing it, creates "held" to say so, and keeps it for
// ten seconds. Windows only. Usage: hold_file FILE
#include <windows.h>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const HANDLE h = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0,
                               nullptr, OPEN_ALWAYS, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return 1;
  CloseHandle(CreateFileA("held", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                          nullptr));
  Sleep(10000);
  CloseHandle(h);
  return 0;
}
