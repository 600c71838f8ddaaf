#include "app/messages.h"

#include "app/ascii.h"
#include "app/file_messages.h"
#include "app/file_reason.h"

namespace {

// Text found in the data file, in quotes: printable ASCII as it is, other
// bytes as \xNN, and "..." where it goes on.
std::string Cituoti(const std::string& rasta, bool ilgesne) {
  std::string citata = "\"";
  for (const char baitas : rasta) {
    const unsigned char c = static_cast<unsigned char>(baitas);
    citata += c >= 0x20 && c < 0x7f ? std::string(1, baitas) : BaitoKodas(c);
  }
  return citata + (ilgesne ? "...\"" : "\"");
}

// The value named as the subject of a sentence or, with kilmininkas, after
// "trūksta".
std::string Reiksme(const SkaitymoKlaida& k, bool kilmininkas) {
  switch (k.reiksme) {
    case SkaitymoKlaida::kEiluciuSkaicius:
      return kilmininkas ? "eilučių skaičiaus" : "eilučių skaičius";
    case SkaitymoKlaida::kStulpeliuSkaicius:
      return kilmininkas ? "stulpelių skaičiaus" : "stulpelių skaičius";
    case SkaitymoKlaida::kElementas:
      break;
  }
  return std::string(kilmininkas ? "elemento [" : "elementas [") +
         std::to_string(k.eilute) + ", " + std::to_string(k.stulpelis) + "]";
}

bool Yra(const std::string& tekstas, const char* dalis) {
  return tekstas.find(dalis) != std::string::npos;
}

// Why text found is no integer, where it is a common mistake: a dash from a
// word processor for the minus, a non-breaking space, the separators of a
// spreadsheet's CSV file, or values run together.
std::string KodelNeSveikasis(const SkaitymoKlaida& k) {
  const std::string& t = k.rasta;
  // En dash in UTF-8 and in Windows-1257, and the minus sign in UTF-8.
  if (Yra(t, "\xe2\x80\x93") || Yra(t, "\x96") || Yra(t, "\xe2\x88\x92")) {
    return " (tai brūkšnys, o ne minuso ženklas „-“: parašykite minusą)";
  }
  if (Yra(t, "\xc2\xa0") || Yra(t, "\xa0")) {
    return " (jame yra nepertraukiamasis tarpas: pakeiskite jį paprastu "
           "tarpu)";
  }
  if (Yra(t, ";")) {
    return " (skaičiai atskirti kabliataškiais, kaip Excel įrašo CSV failą: "
           "atskirkite juos tarpais)";
  }
  if (Yra(t, ",")) {
    return " (skaičiai turi būti sveikieji ir atskirti tarpais, ne "
           "kableliais)";
  }
  if (k.prilipes) return " (skaičiai turi būti sveikieji ir atskirti tarpais)";
  return "";
}

}  // namespace

std::string SkaitymoPranesimas(std::string Duom, const SkaitymoKlaida& klaida) {
  const std::string vardas = Pavadinimas(Duom);
  const std::string ties = vardas + ":" + std::to_string(klaida.vieta.eil) +
                           ":" + std::to_string(klaida.vieta.stulp) + ": ";
  const std::string rasta = Cituoti(klaida.rasta, klaida.rasta_ilgesne);
  const bool kiekis = klaida.reiksme != SkaitymoKlaida::kElementas;
  const std::string riba = klaida.reiksme == SkaitymoKlaida::kEiluciuSkaicius
                               ? std::to_string(Cn)
                               : std::to_string(Cm);
  switch (klaida.rusis) {
    case SkaitymoKlaida::kNera:
      return "";
    case SkaitymoKlaida::kNeatidaromas:
      return NeatidaromoFailoPranesimas(Duom, klaida.sistemos_klaida);
    case SkaitymoKlaida::kNeperskaitomas:
      return "nepavyko perskaityti duomenų failo " + vardas + " iki galo" +
             (klaida.sistemos_klaida.klaidos_nr == 0 &&
                      klaida.sistemos_klaida.windows_kodas == 0
                  ? ""
                  : " (kodas " +
                        std::to_string(SistemosKodas(klaida.sistemos_klaida)) +
                        ": " + SistemosTekstas(klaida.sistemos_klaida) + ")") +
             ".";
    case SkaitymoKlaida::kUtf16:
      return "failas " + vardas +
             " įrašytas UTF-16 koduote: atidarykite jį Užrašų knygelėje ir "
             "įrašykite iš naujo, lauke „Koduotė“ pasirinkę ANSI arba UTF-8.";
    case SkaitymoKlaida::kBaigesi:
      if (klaida.reiksme == SkaitymoKlaida::kEiluciuSkaicius) {
        return "duomenų failas " + vardas +
               " tuščias: jame turi būti eilučių skaičius, stulpelių skaičius "
               "ir elementai.";
      }
      return ties + "trūksta " + Reiksme(klaida, true) + ": failas baigėsi.";
    case SkaitymoKlaida::kNeSveikasis:
      return ties + Reiksme(klaida, false) +
             " turi būti sveikasis skaičius, rasta " + rasta +
             KodelNeSveikasis(klaida) + ".";
    case SkaitymoKlaida::kNetelpa:
      if (kiekis) {
        return ties + Reiksme(klaida, false) + " turi būti nuo 0 iki " + riba +
               ", rasta " + rasta + ".";
      }
      return ties + Reiksme(klaida, false) +
             " netelpa į leistiną ribą: rasta " + rasta +
             ", o turi būti nuo -2147483648 iki 2147483647.";
    case SkaitymoKlaida::kUzRibu:
      break;
  }
  return ties + Reiksme(klaida, false) + " turi būti nuo 0 iki " + riba +
         ", rasta " + std::to_string(klaida.skaicius) + ".";
}

std::string KlaidosEilute(const std::string& pranesimas) {
  return "Klaida: " + pranesimas;
}

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

std::string SekmesPranesimas(std::string Rez) {
  return "Rezultatu ieskokite faile: " + Rez + ".";
}
