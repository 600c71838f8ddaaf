#include "words/messages.h"

#include "text/utf8.h"
#include "words/hints.h"
#include "words/near_names.h"
#include "words/notes.h"
#include "words/value_hints.h"

namespace {

// Text found in the data file, in quotes, and "..." where it goes on: its
// bytes between the marks that let the screen show them as it can, each
// control character already as \xNN.
std::string Cituoti(const std::string& rasta, bool ilgesne) {
  std::string citata = "\"" + std::string(1, kCitatosPradzia);
  for (const char baitas : rasta) {
    const unsigned char c = static_cast<unsigned char>(baitas);
    citata += c < 0x20 || c == 0x7f ? BaitoKodas(c) : std::string(1, baitas);
  }
  return citata + kCitatosPabaiga + (ilgesne ? "...\"" : "\"");
}

// The value named as the subject of a sentence or, with kilmininkas, after
// "trūksta".
std::string Reiksme(const Kuri& k, bool kilmininkas) {
  switch (k.reiksme) {
    case Kuri::kEiluciuSkaicius:
      return kilmininkas ? "eilučių skaičiaus" : "eilučių skaičius";
    case Kuri::kStulpeliuSkaicius:
      return kilmininkas ? "stulpelių skaičiaus" : "stulpelių skaičius";
    case Kuri::kElementas:
      break;
  }
  return std::string(kilmininkas ? "elemento [" : "elementas [") +
         std::to_string(k.eilute) + ", " + std::to_string(k.stulpelis) + "]";
}

}  // namespace

std::string Aplanke(std::string vardas) {
  const std::filesystem::path aplankas = Aplankas(vardas);
  return aplankas.empty() ? "" : " aplanke " + Utf8(aplankas);
}

std::string SkaitymoPranesimas(std::string Duom, const SkaitymoKlaida& klaida,
                               const std::filesystem::path& programos) {
  const std::string vardas = Pavadinimas(Duom);
  const std::string ties = vardas + ":" + std::to_string(klaida.vieta.eil) +
                           ":" + std::to_string(klaida.vieta.stulp) + ": ";
  const std::string rasta = Cituoti(klaida.rasta, klaida.rasta_ilgesne);
  const std::string turi = ties + Reiksme(klaida.kuri, false) + " turi būti ";
  const std::string kiekiui =
      turi + "nuo 0 iki " +
      std::to_string(klaida.kuri.reiksme == Kuri::kEiluciuSkaicius ? Cn : Cm) +
      ", rasta ";
  switch (klaida.rusis) {
    case SkaitymoKlaida::kNera:
      break;
    case SkaitymoKlaida::kNeatidaromas:
    case SkaitymoKlaida::kNeFailas: {
      const FailoPriezastis p =
          klaida.rusis == SkaitymoKlaida::kNeFailas
              ? FailoPriezastis::kNeFailas
              : Priezastis(Duom, false, klaida.sistemos_klaida);
      if (p == FailoPriezastis::kNerastas) {
        return "duomenų failas " + vardas + " nerastas" + Aplanke(Duom) + "." +
               KurIeskoti(Duom, programos);
      }
      return "nepavyko atidaryti duomenų failo " + vardas + Aplanke(Duom) +
             ": " + Zodziais(p, false, klaida.sistemos_klaida, Duom, "") + ".";
    }
    case SkaitymoKlaida::kNeperskaitomas:
      return "nepavyko perskaityti duomenų failo " + vardas + " iki galo" +
             KodasIrTekstas(klaida.sistemos_klaida) +
             ":\npaleiskite programą dar kartą, o jei nepavyks, nukopijuokite "
             "programą ir " +
             vardas + " į kitą aplanką, pvz., Dokumentai.";
    case SkaitymoKlaida::kUtf16:
      return "failas " + vardas +
             " įrašytas UTF-16 koduote:\natidarykite jį Užrašų knygelėje ir "
             "įrašykite iš naujo, lauke „Koduotė“ pasirinkę ANSI arba UTF-8.";
    case SkaitymoKlaida::kDokumentas:
      return DokumentasNeTekstas(klaida.dokumentas, vardas);
    case SkaitymoKlaida::kDvejetainis:
      return "failas " + vardas +
             " yra ne tekstinis, o dvejetainis (jame yra nulinių baitų):\n"
             "įrašykite skaičius į " +
             vardas + " Užrašų knygele.";
    case SkaitymoKlaida::kBaigesi:
      if (klaida.kuri.reiksme == Kuri::kEiluciuSkaicius) {
        return "duomenų failas " + vardas + " tuščias:\nįrašykite į jį " +
               "eilučių skaičių, stulpelių skaičių ir lentelės skaičius.";
      }
      return ties + "trūksta " + Reiksme(klaida.kuri, true) +
             ": failas baigėsi." +
             (klaida.kuri.reiksme == Kuri::kElementas
                  ? "\nPridėkite trūkstamus skaičius arba pataisykite "
                    "eilučių ir stulpelių skaičius."
                  : "") +
             EiluciuUzuomina(klaida.forma);
    case SkaitymoKlaida::kNeSveikasis:
      return turi + "sveikasis skaičius, rasta " + rasta +
             KodelNeSveikasis(klaida) + ".";
    case SkaitymoKlaida::kNetelpa:
      if (klaida.kuri.reiksme != Kuri::kElementas) return kiekiui + rasta + ".";
      return ties + Reiksme(klaida.kuri, false) +
             " per didelis arba per mažas: rasta " + rasta +
             ", o turi būti nuo -2147483648 iki 2147483647.";
    case SkaitymoKlaida::kUzRibu:
      return kiekiui + std::to_string(klaida.skaicius) + "." +
             EiluciuUzuomina(klaida.forma);
  }
  return "";
}

std::string NeirasytaPranesimas(std::string Rez, std::string Duom,
                                FailoPriezastis p, const SistemosKlaida& k,
                                bool isvalyta) {
  return "nepavyko įrašyti rezultatų failo " + Pavadinimas(Rez) + Aplanke(Rez) +
         ": " + Zodziais(p, true, k, Duom, Rez) +
         (isvalyta ? "."
                   : ".\nRezultatų faile gali būti likusi nebaigta ataskaita: "
                     "ištrinkite jį ir paleiskite programą dar kartą.");
}

std::string NepakeistaAtaskaita(std::string Rez, std::string Duom,
                                FailoPriezastis p, const SistemosKlaida& k) {
  return "\nRezultatų failas " + Pavadinimas(Rez) +
         " paliktas nepakeistas: " + Zodziais(p, true, k, Duom, Rez) + ".";
}

std::string IstrintaAtaskaita(std::string Rez) {
  return "Ankstesnė ataskaita " + Pavadinimas(Rez) + " ištrinta.";
}

std::string PakeistasPranesimas(std::string Rez) {
  return "rezultatų failas " + Pavadinimas(Rez) + Aplanke(Rez) +
         " buvo perkeltas, ištrintas ar pakeistas kitu, kol programa rašė "
         "ataskaitą;\npaleiskite programą dar kartą.";
}

std::string KlaidosEilute(const std::string& pranesimas) {
  return "Klaida: " + pranesimas;
}

const char kTrukstaAtminties[] =
    "Klaida: programai trūksta atminties; uždarykite kitas programas ir "
    "paleiskite šią programą dar kartą.";
const char kTrukstaAtmintiesAscii[] =
    "Klaida: programai truksta atminties; uzdarykite kitas programas ir "
    "paleiskite sia programa dar karta.";

std::string SekmesPranesimas(std::string Rez) {
  return "Rezultatu ieskokite faile: " + Rez + ".";
}
