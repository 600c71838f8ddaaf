#include "app/file_reason.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

FailoPriezastis Priezastis(std::string vardas, int klaidos_nr) {
  std::error_code ec;
  if (std::filesystem::is_directory(vardas, ec)) {
    return FailoPriezastis::kAplankas;
  }
  switch (klaidos_nr) {
    case ENOENT:
      return FailoPriezastis::kNerastas;
    case EACCES:
    case EPERM:
    case EROFS:
      return FailoPriezastis::kNeraLeidimo;
    case ENOSPC:
      return FailoPriezastis::kDiskasPilnas;
    default:
      return FailoPriezastis::kKita;
  }
}
