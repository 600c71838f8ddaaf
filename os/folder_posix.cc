#include <dirent.h>
#include <sys/stat.h>

#include <memory>

#include "os/folder.h"

std::vector<FailasAplanke> FailaiAplanke(std::string aplankas) {
  std::vector<FailasAplanke> failai;
  const std::unique_ptr<DIR, int (*)(DIR*)> katalogas(opendir(aplankas.c_str()),
                                                      closedir);
  if (katalogas == nullptr) return failai;
  while (const dirent* irasas = readdir(katalogas.get())) {
    struct stat st {};
    if (fstatat(dirfd(katalogas.get()), irasas->d_name, &st, 0) != 0) continue;
    failai.push_back(
        {irasas->d_name, S_ISREG(st.st_mode), (st.st_mode & S_IXUSR) != 0});
  }
  return failai;
}
