#include "app/near_names.h"

#include <algorithm>
#include <system_error>

#include "app/ascii.h"

namespace fs = std::filesystem;

namespace {

std::string Mazosiomis(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

}  // namespace

std::vector<PanasusVardas> PanasusVardai(const fs::path& aplankas,
                                         std::string vardas) {
  std::vector<PanasusVardas> rasta;
  const std::string mazosiomis = Mazosiomis(vardas);
  std::error_code ec;
  for (fs::directory_iterator it(aplankas, ec), pabaiga; !ec && it != pabaiga;
       it.increment(ec)) {
    const std::string kitas = Utf8(it->path().filename());
    if (Mazosiomis(kitas) == mazosiomis + ".txt") {
      rasta.push_back({kitas, PanasusVardas::kDuPletiniai});
    } else if (kitas != vardas && Mazosiomis(kitas) == mazosiomis) {
      rasta.push_back({kitas, PanasusVardas::kKitosRaides});
    }
  }
  std::sort(rasta.begin(), rasta.end(),
            [](const PanasusVardas& a, const PanasusVardas& b) {
              return a.vardas < b.vardas;
            });
  return rasta;
}
