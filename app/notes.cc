#include "app/notes.h"

#include "app/near_names.h"

std::string PertekliausIspejimas(std::string Duom, const Vieta& vieta,
                                 std::int32_t n, std::int32_t m) {
  return "Įspėjimas: " + Pavadinimas(Duom) + ":" + std::to_string(vieta.eil) +
         ":" + std::to_string(vieta.stulp) +
         ": po paskutinio elemento dar yra skaičių ar teksto, į juos "
         "neatsižvelgta; ar teisingi eilučių (" +
         std::to_string(n) + ") ir stulpelių (" + std::to_string(m) +
         ") skaičiai?";
}

std::string KoduotesPastaba(std::string Rez) {
  return "Pastaba: ataskaita " + Pavadinimas(Rez) +
         " įrašyta baltų kalbų koduote Windows-1257; jei Užrašų knygelė rodo "
         "keistus ženklus vietoj lietuviškų raidžių, skaitykite SKAITYKITE.txt "
         "skyrių „KAIP ATIDARYTI ATASKAITĄ“.";
}
