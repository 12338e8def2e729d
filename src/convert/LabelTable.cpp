#include "convert/LabelTable.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "core/TextTools.h"

namespace gd {
namespace {

constexpr std::array<std::string_view, TLabelTable::kFixedLabelCount> kFixedLabels = {
    "\\DATA", "DEVICE", "MODE", "STORED", "STATISTIC", "NAME", "CHAN", "START"};

constexpr std::array<std::string_view, TLabelTable::kUnitTextCount> kUnitTexts = {
    " ",   "mm",  "m/s", "mm2/s", "g/cm3", "C",   "ms", "s",    "h",  "NUM",
    "ADR", "DAT", "mA",  "um",    "mm/s",  "MHz", "F",  "cm/s", "bar"};

constexpr std::array<LabelLanguage, TLabelTable::kLanguageCount> kLanguages = {{
    {"049", "GERMAN", 49},
    {"033", "FRANCE", 33},
    {"045", "DANISH", 45},
    {"042", "CZECH", 42},
    {"031", "DUTCH", 31},
    {"048", "POLISH", 48},
    {"047", "NORWEGIAN", 47},
    {"090", "TURKEY", 90},
    {"044", "ENGLISH", 44},
}};

constexpr std::array<std::string_view, 2> kVelocityUnits = {"m/s", "in/s"};
constexpr std::array<std::string_view, TLabelTable::kVolumeUnitCount> kVolumeUnits = {
    "m3", "m3", "m3", "l", "l", "l", "gal", "bls"};
constexpr std::array<std::string_view, TLabelTable::kMassUnitCount> kMassUnits = {"t", "kg", "kg",
                                                                                  "g"};
constexpr std::array<std::string_view, TLabelTable::kHeatUnitCount> kJouleUnits = {"J", "kJ", "MJ"};
constexpr std::array<std::string_view, TLabelTable::kHeatUnitCount> kWattHourUnits = {"Wh", "kWh",
                                                                                      "MWh"};

struct LabelEntry {
  int number;
  std::array<std::string_view, TLabelTable::kLanguageCount> texts;
};

// Languages in table order: 049 German, 033 French, 045 Danish, 042 Czech,
// 031 Dutch, 048 Polish, 047 Norwegian, 090 Turkish, 044 English. Sorted by
// entry number. The firmware's table has more entries; only those the
// parameter-set text uses are kept.
// clang-format off
constexpr LabelEntry kEntries[] = {
    {-5, {"Rohrmaterial", "Mat\xE9riau tube", "R\x94rmateriale", "mater. trubky", "buismateriaal", "Material ruroc.", "R\x94rmateriale", "Boru Materyali", "Pipe Material"}},
    {-4, {"Medium", "Fluide", "Medie", "medium", "medium", "Ciecz", "Medium", "Ortam", "Medium"}},
    {-3, {"Sensortyp", "Type capteur", "Sensortype", "typ snimace", "sensor type", "Rodzaj czujnika", "Sensor type", "Sens\x94r Tipi", "Trancducer Type"}},
    {-2, {"Ablagerate", "taux de stockag", "Lagr.frekvens", "ukladani", "regstr.interval", "Czas zapisu", "Lagr.frekvens", "Saklama Hizi", "Storage Rate"}},
    {-1, {"Me\xE1gr\x94\xE1" "e", "Grandeur mes.", "Maalest\x94rrelse", "fyz. rozmer", "meeteenheid", "Wielk. mierz.", "M_lest\x94rrelse", "\xD6l\xE7\x81m Miktari", "Physic. Quant."}},
    {8, {"Wanddicke", "Epaisseur paroie", "Godstykkelse", "Sila steny", "wanddikte", "Grubosc scianki", "Godstykkelse", "Duvar kalinligi", "Wall Thickness"}},
    {9, {"Rauhigkeit", "Rugosit\xE9", "Ruhed", "Drsnost", "ruwheid", "Chropowatosc", "Ruhet", "Kabalik", "Roughness"}},
    {10, {"c-Material", "c-mat\xE9riau", "c-materiale", "c-materialu", "c-materiaal", "c-Material", "c-materiale", "c- Materyal", "c-Material"}},
    {11, {"kin. Viskosit\x84t", "Viscosit\xE9 cin.", "kin. viskositet", "Kinem. viskozita", "kin.viskositeit", "Lepkosc kinem.", "Kinem.viskositet", "Kin. Vizkosite", "Kinem.Viscosity"}},
    {12, {"c-Medium     MIN", "c-fluide     MIN", "c-medie      MIN", "c-medium     MIN", "c-medium     MIN", "c-zynnik     MIN", "c-Medium     MIN", "Ortam c min.", "c-Medium     MIN"}},
    {13, {"c-Medium     MAX", "c-fluide     MAX", "c-medie      MAX", "c-medium     MAX", "c-medium     MAX", "c-zynnik     MAX", "c-Medium    MAKS", "Ortam c maks.", "c-Medium     MAX"}},
    {14, {"Dichte", "Masse volumique", "V\x84gtfylde", "Hustota", "dichtheid", "Gestosc", "Tetthet", "Yogunluk", "Density"}},
    {15, {"Sensorwert", "Val. capteur", "Sensorv\x84rdi", "Data snimace", "sensorwaarden", "Dane przetw.", "Giver data", "Sens\x94r Verisi", "Transd. Data"}},
    {28, {"D\x84mpfung", "Amortissement", "D\x84mpning", "Tlumeni", "demping", "Tlumienie", "Dempning", "Bastirim", "Damping"}},
    {31, {"Medientemperatur", "Temp\xE9rat. fluide", "Medietemperatur", "Teplota media", "mediumtemp.", "Temper. czynnika", "Medie temperatur", "Ortam Sicakligi", "Medium Temperat."}},
    {32, {"Para.Satz", "Phrase para.", "Para. s\x84t", "Sadu par.", "para.data", "Rekord param.", "Param.register", "Parametre Kayit", "Par.Record"}},
    {33, {"Rohr", "Tube", "R\x94r", "Trubka", "leiding", "Rura", "R\x94r", "Boru", "Pipe"}},
    {34, {"Schallweg", "Trajet sonique", "Lydvej", "Cesta signalu", "sign. verloop", "Droga dzwieku", "Lyd vei", "Ses Yolu", "Sound Path"}},
    {37, {"Sensorabstand", "Ecart. capteurs", "Sensorafstand", "Vzdal. snimacu", "sensorafstand", "Odlegl.czujnikow", "Sensoravstand", "Sens\x94r Uzakligi", "Transd. Distance"}},
    {38, {"Ma\xE1" "einheit", "Unit\xE9 de mesure", "Maaleenhed", "Jednotky mer.", "meeteenheid", "Jednostka pomiar", "M_leenhet", "\xD6l\xE7\x81m Birimi", "Unit Of Measure"}},
    {39, {"AnzahlMesswerte", "Nomb. de mesure", "Ant.maalev\x84rdier", "Pocet hodnot", "aantal. meetw.", "Liczba pkt.pom.", "Antall m_leverd.", "\xD6l\xE7\x81m Sayisi", "Numb.Of Meas.Val"}},
    {50, {"Schleifenmodus", "Mode boucle cour", "Str\x94msl\x94jfe mod.", "Proudovy vystup", "analoog keuze", "Tryb petli", "Str\x94msl\x94yfe", "Akim Devresi", "Current Loop"}},
    {52, {"Me\xE1" "bereich Ende", "Fin plage de mes", "Maaleomraade max", "Max. hodnota", "einde meetbereik", "Przekr. zakresu", "Maks. m_leomr_de", "\xD6l\xE7\x81 Sahasi", "Full-Scale Val."}},
    {60, {"Au\xE1" "endurchmesser", "Diam\xE8tre ext.", "Udv. diameter", "Vnejsi prumer", "buitendiameter", "Srednica zew.", "Utvendig dia.", "Dis \xC7" "ap", "Outer Diameter"}},
    {62, {"Me\xE1stelle Nr.:", "Point de Mesure:", "Maalested nr.:", "Mer. bod c.:", "meetplaats nr. :", "Numer pkt. pom.:", "M_lepunkt nr.  :", "\xD6l\xE7\x81m noktasi  :", "Meas. Point No.:"}},
    {73, {"Impulswertigkeit", "impuls valeur", "Pulsv\x84rdi", "Kolik na puls", "pulswaarde", "Wysokosc impulsu", "Pulsverdi", "Puls Degeri", "Pulse Value"}},
    {74, {"Impulsbreite", "Dure\xE9 d'impuls.", "Pulsbredde", "Sirka pulsu", "pulse lengte", "Szerokosc impuls", "Pulsbredde", "Puls genisligi", "Pulse Width"}},
    {76, {"Auskleidung", "revetement", "Bekl\x84" "dning", "Vystelka", "Bekleding", "wykladzina", "Lining", "Kaplama", "Lining"}},
    {77, {"Auskleid.St\x84rke", "epais.revetement", "Bekl\x84" "dn.tykk.", "Tl. vystelky", "Dikte bekleding", "grubosc wykl.", "Tykkelse lining", "Kaplama Kalinlik", "Liner Thickness"}},
    {87, {"OHNE AUSKLEIDUNG", "NON REVETU", "UDEN BEKL\x8E" "DNING", "BEZ VYSTELKY", "ZONDER BEKLEDING", "BEZ WYKLADZINY", "UTEN LINING", "KAPLAMASIZ", "WITHOUT LINING"}},
    {111, {"Korr.Offset", "arr.correct.", "Temp.korr.", "Korekce", "Korr.Offset", "Kor. offset", "Temp.korr.", "Korel.Baslan.", "Corr.Offset"}},
    {139, {" normal unkorr.", " normal incorr.", " normal  ukorr.", " normal nekorr.", " normal unkorr.", " normal nieskor", " normal  ukorr.", " normal d\x81zlti.", " normal uncorr."}},
    {144, {"Schleichmenge", "debit fuite", "Low flow cut off", "Potlaceni toku", "Quant.supression", "Quant.supression", "lar flow kutt", "D\x81s\x81k akis kesme", "Cut-off Flow"}},
    {149, {"Energie-Preis", "Energy price", "Energy price", "Energy price", "Energy price", "Energy price", "Energy price", "Energy price", "Energy price"}},
    {150, {"Druck im Vorlauf", "Inlet pressure", "Inlet pressure", "Inlet pressure", "Inlet pressure", "Inlet pressure", "Inlet pressure", "Inlet pressure", "Inlet pressure"}},
    {152, {"Kalibrierdaten", "Calibrat. data", "Calibrat. data", "Calibrat. data", "Calibrat. data", "Calibrat. data", "Calibrat. data", "Calibrat. data", "Calibrat. data"}},
};
// clang-format on

template <std::size_t N>
std::string_view At(const std::array<std::string_view, N>& list, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return {};
  return list[static_cast<std::size_t>(index)];
}

}  // namespace

std::string_view TLabelTable::Fixed(int index) { return At(kFixedLabels, index); }
std::string_view TLabelTable::Unit(int index) { return At(kUnitTexts, index); }
std::string_view TLabelTable::VelocityUnit(int index) { return At(kVelocityUnits, index); }
std::string_view TLabelTable::VolumeUnit(int flowUnit) { return At(kVolumeUnits, flowUnit); }
std::string_view TLabelTable::MassUnit(int index) { return At(kMassUnits, index); }
std::string_view TLabelTable::HeatUnit(bool whGroup, int index) {
  return whGroup ? At(kWattHourUnits, index) : At(kJouleUnits, index);
}

const LabelLanguage& TLabelTable::Language(int index) {
  if (index < 0 || index >= kLanguageCount) index = 0;
  return kLanguages[static_cast<std::size_t>(index)];
}

int TLabelTable::FindLanguage(std::string_view code) {
  code = code.substr(0, 3);
  for (int i = 0; i < kLanguageCount; ++i) {
    if (kLanguages[static_cast<std::size_t>(i)].code == code) return i;
  }
  return -1;
}

bool TLabelTable::SetLanguage(std::string_view code) {
  if (code.empty()) return true;
  const int index = FindLanguage(code);
  language_ = index < 0 ? 0 : index;
  return index >= 0;
}

void TLabelTable::SelectLanguage(int index) {
  language_ = (index < 0 || index >= kLanguageCount) ? 0 : index;
}

std::string TLabelTable::LabelText(int entry) const { return LabelTextIn(language_, entry); }

std::string TLabelTable::LabelTextIn(int languageIndex, int entry) {
  if (languageIndex < 0 || languageIndex >= kLanguageCount) languageIndex = 0;
  const auto* found = std::lower_bound(std::begin(kEntries), std::end(kEntries), entry,
                                       [](const LabelEntry& e, int n) { return e.number < n; });
  if (found == std::end(kEntries) || found->number != entry) return {};
  return DosToWindows(found->texts[static_cast<std::size_t>(languageIndex)]);
}

}  // namespace gd
