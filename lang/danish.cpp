// The Danish table: every text of the program in Danish.
#include "lang/texts.h"

namespace lang {

// Laid out as tables; the blanks inside the captions are part of them.
// clang-format off
const Texts kDanishTexts{
    "DK", "da", "Dansk",
    // messages
    {"Alle tallene i nominelle tilstand kræves for en videreberegning",
     "Alle tallene i aktuelle tilstand kræves for en videreberegning",
     "Primær temperaturer skal være mindre end 100°C!",
     "Primær temperaturer skal være mindre end 180°C!",
     " skal være større end ",
     "Antal punkter skal være mellem 2 og 1000"},
    // main window
    {{"Primær flow", "Sekundær flow", "Effekt [kW]", "Primær temp. frem [°C]", "Primær temp. retur [°C]",
      "Kold sekundær ind [°C]", "Varm sekundær ud [°C]", "Primær tryktab i  [bar]", "Sekundær tryktab i  [bar]",
      "Temp. differens primær [°C]", "Temp. differens sekundær [°C]", "Primær vandflow  [m3/h]",
      "Sekundær vandflow  [m3/h]", "Logaritmisk middeltemp. [°C]", "Varmeoverføringsevne [kW/°C]",
      "Primær flow", "Sekundær flow", "Effekt [kW]", "Primær temp. frem [°C]", "Kold sekundær ind [°C]",
      "Varm sekundær ud [°C]", "Primær temp. retur [°C]", "Temp. differens primær [°C]",
      "Temp. differens sekundær [°C]", "Primær tryktab i  [bar]", "Sekundær tryktab i  [bar]",
      "Primær vandflow  [m3/h]", "Sekundær vandflow  [m3/h]", "Logaritmisk middeltemp. [°C]",
      "Varmeoverføringsevne [kW/°C]"},
     {"Vand", "Glykol"},
     {"Beregning af nominel tilstand", "Beregning af aktuel tilstand", "Resultat", "Resultat"},
     {"Beregn Nominel", "Beregn Aktuel", "Udskriv", "Luk", "Hent sag", "Gem som", "Hjælp", "Dellast", "Fyringssæson"}},
    // report page
    {{"Forklaring", "Nominelle", "Aktuelle", "Primær flow", "Sekundær flow", "Effekt", "Primær temp. frem",
      "Primær temp. retur", "Varm sekundær ud", "Kold sekundær ind", "Primær tryktab", "Sekundær tryktab",
      "Temp. differens primær", "Temp. differens sekundær", "Primær vandflow", "Sekundær vandflow",
      "Logaritmisk middeltemp.", "Varmeoverføringsevne"}},
    // part-load study
    {"Tervol – Dellast", "Varieret størrelse", "Første værdi", "Sidste værdi", "Antal punkter", "Beregn",
     "Kopiér tabel", "Gem som …", "Udskriv", "Luk",
     "Beregner dellast …", "Afbryd",
     "Afbrudt efter %1 af %2 punkter",
     "Gem dellast", "Excel-projektmappe (*.xlsx);;CSV, kommasepareret, til scripts (*.csv)",
     "Filen kunne ikke skrives", "dellast",
     "Dellast", "%1 af %2 punkter vist",
     "Resultattabel", "Diagram"},
    // help window
    {"da", "Tervol – Hjælp",
     "&Søg stikord:", "Tilbage", "Frem", "Udskriv",
     "Stikordsfilter", "Stikord", "Emne", "Tilbage", "Frem", "Udskriv emnet"},
    // report preview
    {"Vis udskrift",
     "Udskrivningssystemet svarer ikke. Rapporten kan gemmes som PDF.",
     "Udeladt af printerlisten, fordi printerens PPD-fil mangler *LanguageEncoding: %1",
     "Printeren %1 afviste udskriften: %2",
     "Udskriften kunne ikke startes på printeren.",
     "Gem som PDF...", "Luk", "PDF (*.pdf)"},
    // heating season
    {"Linje ",
     "forventede mindst 7 kommaseparerede felter, fandt ",
     "forventede en temperatur i °C mellem -100 og 100, fandt ",
     "forventede to felter temperatur;timer, fandt ",
     "forventede et antal timer mellem 0 og 8784, fandt ",
     "mere end 8784 timer; forventede højst et år",
     "filen slutter inden for EPW-formatets 8 hovedlinjer",
     "Vejrfilen indeholder ingen temperaturer",
     "Vejrfilen kan ikke læses: ", "Vejrfilen er større end 16 MiB: ",
     "Indetemperaturen skal være større end den dimensionerende udetemperatur",
     "Varmegrænsen skal være større end den dimensionerende udetemperatur og højst indetemperaturen",
     "Radiatoreksponenten skal være større end 0",
     "To punkter i en kurve har samme udetemperatur",
     "forventede tre felter To;Etse;Etsa, fandt ",
     "Indstillinger", "Vejrfil", "Dimensionerende udetemperatur [°C]", "Indetemperatur [°C]",
     "Varmegrænse [°C]", "Radiatoreksponent n", "Sekundær tabel", "Primær fremløb [°C]",
     "Primær fremløbskurve [°C]", "Ude [°C]", "Timer",
     "Sæson", "Leveret varme [MWh]", "Primært volumen [m3]", "Volumenvægtet primær retur [°C]",
     "Volumenvægtet afkøling [K]", "Største primære flow [m3/h]", "Største flow ved ude [°C]",
     "Timer beregnet", "Timer under varmegrænsen", "Timer i filen",
     "Tervol – Fyringssæson", "Vælg …", "Varighedskurve for varmelasten", "Fyringssæson", "Gem fyringssæson",
     "Excel-projektmappe (*.xlsx);;CSV, kommasepareret, til scripts (*.csv)", "fyringssaeson",
     "Vælg en vejrfil og tryk Beregn",
     "Beregner fyringssæson …", "Afbrudt efter %1 af %2 temperaturintervaller",
     "%1 af %2 temperaturintervaller vist"},
    // command line
    {
     R"(Brug:
  tervol                 vinduet
  tervol SAG             vinduet, med SAG hentet som "Hent sag" henter den
  tervol rate [--format table|csv|json] [--lang da|en] SAG...
  tervol study SAG [--vary EQ|Etpe|Etsa|Etse] [--from V] [--to V] [--points N]
                   [--format table|csv|json] [--lang da|en]
  tervol report SAG -o UD.pdf [--lang da|en]
  tervol season SAG --weather FIL [--design-outdoor T] [--indoor T] [--limit T]
                [--exponent N | --secondary-table FIL]
                [--supply T | --supply-curve TO:T,TO:T] [--format table|csv|json]
                [--precision shown|full] [--lang da|en]
  tervol --help | --version

rate    henter hver sag som "Hent sag", kører "Beregn Aktuel" og viser de
        tredive felter, som vinduet så ville vise, med dets meddelelser.
study   dellastberegningen af sagen, som vinduets "Dellast" kører den:
        én inddatastørrelse varieret fra V til V i N punkter.
report  skriver rapportsiden, som forhåndsvisningen udskriver den, til en
        PDF på én A4-side; intet skrives, når beregningen stopper.
season  fyringssæsonen: sagens aktuelle tilstand er dimensioneringspunktet ved
        den dimensionerende udetemperatur (-12); hvert 1 K-interval i vejrfilen
        (EPW, én temperatur pr. linje eller linjer temperatur;timer) under
        varmegrænsen (17) beregnes som "Beregn Aktuel" med udetemperaturens
        last, sekundære temperaturer (radiatoreksponent 1,3 eller en tabel med
        linjer To;Etse;Etsa) og fremløb (sagens Etpe); indetemperatur 20.
--format  table (standard): forklaring, nominel, aktuel, enhed som på
          rapporten; csv (RFC 4180, UTF-8) eller json: resultater med "." som
          decimaltegn og uden tusindtalsseparator, alle andre tekster som i filen.
--lang    da (standard) eller en: tekster og meddelelser.
Tal i sagsfiler læses med landeindstillingens decimaltegn.
Slutstatus: 0 alle sager beregnet, 1 en sag fejlede (de øvrige behandles
alligevel), 2 forkert brug. Kræver ingen skærm.
)",
     "Se 'tervol --help'.",
     "ingen kommando angivet", "--version tager ingen argumenter",
     "ugyldig værdi %1 til %2",
     "ukendt tilvalg %1",
     "ukendt kommando %1",
     "%1 kan ikke bruges med %2",
     "%1 kræver en værdi",
     "%1 kræver en sagsfil", "%1 tager én sagsfil",
     "report kræver -o UD.pdf",
     "filen kan ikke skrives", "standardområdet kan ikke findes; angiv --from og --to",
     "er sagsfilen %1", "filen kan ikke skrives: %1",
     "disken er fuld", "filen bliver for stor", "adgang nægtet", "skrivebeskyttet filsystem", "mappen findes ikke",
     "er en mappe",
     "%1 %2 er ikke et kendt medie; beregnet som glykolblandingen",
     "større end 1 MiB", "ind- og uddatafejl",
     "kan ikke skrive til standard output",
     "%1 er angivet mere end én gang",
     "området fra --from til --to er for stort",
     "ukendt kommando %1; mente du '%2'?",
     "ingen skærm at vise vinduet på (hverken DISPLAY eller WAYLAND_DISPLAY er sat); kommandoerne kræver ingen, se 'tervol --help'",
     "fyringssæsonen kræver --weather FIL", "%1 og %2 kan ikke gives sammen"},
};
// clang-format on

}  // namespace lang
