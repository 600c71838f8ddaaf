#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <memory>
#include <new>

#include "os/folder.h"

std::vector<FailasAplanke> FailaiAplanke(const std::string& aplankas) {
  std::vector<FailasAplanke> failai;
  errno = 0;
  const std::unique_ptr<DIR, int (*)(DIR*)> katalogas(opendir(aplankas.c_str()),
                                                      closedir);
  if (katalogas == nullptr) {
    if (errno == ENOMEM) throw std::bad_alloc();
    return failai;
  }
  while (const dirent* irasas = readdir(katalogas.get())) {
    struct stat st {};
    if (fstatat(dirfd(katalogas.get()), irasas->d_name, &st, 0) != 0) continue;
    failai.push_back(
        {irasas->d_name, S_ISREG(st.st_mode), (st.st_mode & S_IXUSR) != 0});
  }
  return failai;
}
