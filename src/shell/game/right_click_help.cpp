#include "game/right_click_help.h"

#include <utility>
#include <vector>

namespace zrx {
namespace {

struct HelpEntry {
  std::vector<std::string> names;  // controls that share the text; "Prefix*" for a numbered row
  HelpLines lines;
};

const std::vector<HelpEntry>& helpTable() {
  static const std::vector<HelpEntry> table = {
      {{"BitBtn1"},
       {"A \"Kezdés\" gombra kattintva indíthatsz játékot egy új könyvvel. Ha már",
        "elindítottál egyet, akkor a program felajánlja, hogy befejezd a régit,", "és elkezdd az újat!"}},
      {{"BitBtn2"},
       {"A \"Betöltés\" gombra kattintva a már elmentett játékaid közül indíthatsz",
        "el egyet. Ha van egy már elindított játékod, akkor azt be kell",
        "fejezned ahhoz, hogy a mentett játék betöltődhessen!"}},
      {{"BitBtn3"},
       {"A \"Mentés\" gombra kattintva elmentheted az éppen aktuális játékállást!",
        "Ez a lehetőség csak Könnyű és Véletlen fokozaton érhető el, és",
        "csak olyan FejezetPontokon, ahol a Mentéshez minden feltétel adott!"}},
      {{"BitBtn4"},
       {"A \"Befejezés\" gombra kattintva véget vethetsz az aktuális játékodnak!",
        "Vigyázz, mert ha nem mentetted a játékállást, akkor a játékod",
        "és az elért FejezetPontok el fognak veszni!"}},
      {{"LabelMenu18"},
       {"A \"Visszalépés\" paranccsal (F7) visszatérhetsz az előző olyan",
        "FejezetPontra, ahol menthettél volna: a játék úgy folytatódik, mintha",
        "ott betöltötted volna. \"Normál\" fokozaton, ahogy mentés, ez sincs!"}},
      {{"BitBtn5"},
       {"A \"Harc\" gombra kattintva játszhatod le egy Csatában az egyes",
        "Fordulókat. Előfordulhat, hogy egy Forduló előtt el kell végezned bizonyos",
        "feladatokat (például dobás a kockával)."}},
      {{"RichEdit1"},
       {"Itt olvashatod az éppen aktuális FejezetPont szövegét! Fentebb láthatod",
        "a FejezetPont számát, vagy a nevét abban az esetben, ha speciális pontról",
        "van szó (például \"Háttértörténet\")"}},
      {{"LabelLink1"},
       {"Erre a linkre kattintva elektronikus levelet küldhetsz a program",
        "fejlesztőinek, Berendnek és Tarkónak, a számítógépeden beállított", "alapértelmezett levelezőprogrammal!"}},
      {{"LabelLink2"},
       {"Erre a linkre kattintva megnyithatod a zrx honlapját",
        "a számítógépeden beállított alapértelmezett böngészőprogrammal!", ""}},
      {{"LabelNext", "LabelNext1", "LabelNext2"},
       {"A nyílra illetve a nyíl által jelölt fejezetpontra kattintva a program",
        "betölti az éppen megjelölt fejezetpontot. Ha lapváltás szükséges, akkor",
        "kiválasztja a megfelelő lapot (például \"Információk\")!"}},
      {{"LabelEddigBejartUt", "MemoFP"},
       {"Ebben a mezőben megtalálod az éppen aktuális játékodban az általad",
        "már bejárt FejezetPontok listáját, az 1-es ponttól kezdve.", ""}},
      {{"FT_LabelTNev*", "FT_LabelDB*"},
       {"Válassz ki annyi tárgyat, amennyit szeretnél, majd kattints", "a \"Tárgy(ak) felvétele\" gombra!", ""}},
      {{"LabelTargyFelvetel"},
       {"Válassz ki annyi tárgyat, amennyit szeretnél, vagy amennyi",
        "engedélyezett, majd kattints ide, hogy a változások végrehajtódjanak,",
        "és hogy utána a Történet fülre válthass!"}},
      {{"LabelTargyKivalasztas"},
       {"Ha tárgyakat kell kiválasztanod a sajátjaid közül, akkor válassz ki egyet,",
        "majd kattints ide, hogy a kijelölt tárgy rákerüljön a kiválasztott", "tárgyak listájára!"}},
      {{"LabelSzProba"},
       {"Erre a gombra kattintva teheted \"Próbára\" a Szerencsédet! Ez lehet Csatában",
        "egy Forduló után, vagy Csatában kötelezően, továbblépés vizsgálatnál,",
        "egy értéked megváltozásánál, és még Menekülésnél is."}},
      {{"LabelDobas1Kocka", "LabelDobas2Kocka", "LabelDobas3Kocka", "LabelDobas4Kocka"},
       {"Erre a gombra kattintva dobást imitálhatsz a játékban az adott számú kockával!",
        "Dobhatsz Csatában egy Forduló után, vagy Csatában kötelezően,",
        "továbblépés vizsgálatnál, és egy értéked megváltozásánál is."}},
      {{"LabelSpecFegyver"},
       {"Erre a gombra kattintva felhasználhatod adott Ellenfeled ellen az azonnali",
        "győzelmet jelentő Speciális Fegyvert. Lehetséges, hogy a teljes sikerhez még",
        "el kell végezned egy Szerencse Próbát is, ez kiderül a szövegből."}},
      {{"LabelMenekules"},
       {"Erre a gombra kattintva Elmenekülhetsz egy Csatából! Ha ezt az utat",
        "szeretnéd választani, akkor tudnod kell, hogy Menekülés esetén 2 pontot",
        "veszítesz a harc közbeni életértékedből (ez általában az \"Életerő\")!"}},
      {{"LabelSajatInfoBeir"},
       {"Erre a gombra kattintva eltárolhatod a baloldalon megadott \"Saját",
        "Információdat\", a lentebb beállított sorszámra!", ""}},
      {{"LabelSajatInfoMegjelenit"},
       {"Erre a gombra kattintva megjelenítheted a lentebb beállított sorszámú",
        "\"Saját Információdat\", melyet korábban eltároltál!", ""}},
      {{"ListBoxNext"},
       {"Ebben a listában láthatod azoknak a FejezetPontoknak a",
        "számait, amelyekre az éppen aktuális pontról továbbhaladhatsz.",
        "Jelölj ki egyet a listából, majd kattints a nyílra a továbbjutáshoz!"}},
      {{"ListBox_FT"},
       {"Ebben a mezőben megtalálod az általad birtokolt Felszerelési Tárgyak",
        "listáját. Ha kiválasztasz egy Tárgyat, akkor megtekintheted a leírását,",
        "dupla kattintással pedig fel is használhatod!"}},
      {{"ListBox_IN"},
       {"Ebben a mezőben megtalálod az általad birtokolt Információk",
        "listáját. Ha kiválasztasz egy Információt, akkor meg is tekintheted a", "leírását a jobb oldalon!"}},
      {{"ListBox_VK"},
       {"Ebben a mezőben megtalálod az általad birtokolt Varázslatok && Képességek",
        "listáját. Ha kiválasztasz egyet, akkor meg is tekintheted a", "leírását a jobb oldalon!"}},
      {{"Image1"},
       {"Itt látható az éppen játszott könyvhöz tartozó kisméretű illusztráció,",
        "vagy az aktuális fejezetponthoz tartozó nagyméretű egyedi kép.", ""}},
      {{"MemoFT_Leir"},
       {"A Felszerelési Tárgyak listájában kiválasztott tárgynak",
        "itt tekintheted meg a különféle jellemzőit, itt olvashatsz róla részletes", "információkat!"}},
      {{"MemoIN_Leir"},
       {"Az Információk listájában kiválasztott Információnak",
        "itt tekintheted meg a különféle jellemzőit, itt olvashatsz", "róla részletes információkat!"}},
      {{"Memo_SI"},
       {"Az ebbe a mezőbe írt szöveget eltárolhatod, mint \"Saját Információ\", a",
        "jobboldalon beállított sorszámra. Maximum öt ilyen típusú Információt", "tárolhatsz csak egy játékhoz!"}},
      {{"MemoVK_Leir"},
       {"A Varázslatok && Képességek listájában kiválasztott Varázslat",
        "vagy Képesség leírását itt tekintheted meg, a különféle jellemzőkről,",
        "is itt olvashatsz részletes információkat!"}},
      {{"GroupBox1", "CheckBox*"},
       {"Választanod kell tárgyakat erről a listáról. Ha már minden tárgyat",
        "megjelöltél, vagy nem akarsz egy tárgyat sem megjelölni, akkor kattints",
        " a \"Tárgy(ak) felvétele\" gombra!"}},
      {{"LabelMenu24", "LabelMenuGyors24"},
       {"Ha bekapcsolod, a játék minden kockadobását a saját kockáiddal dobhatod,",
        "és a program megkérdezi, hogy mit dobtál. A szabályok nem változnak,",
        "csak a kockát dobod te magad. Újabb kattintással kikapcsolhatod!"}},
      {{"SpinEditINFO"},
       {"Itt válthatsz a \"Saját Információk\" sorszámai között!",
        "Maximum öt ilyen Információt tudsz csak kezelni!", ""}},
  };
  return table;
}

const std::array<HelpLines, 3> kDifficultyHelp = {{
    {"A jelenlegi játékod nehézségi fokozata: \"Könnyű\". Ellenfeleid",
     "értékei csökkennek 15%-kal, és a Mentés funkciót is elérheted.", ""},
    {"A jelenlegi játékod nehézségi fokozata: \"Normál\". Ellenfeleid",
     "értékei megegyeznek az eredeti értékekkel. A Mentés funkció", "nem érhető el."},
    {"A jelenlegi játékod nehézségi fokozata: \"Véletlen\". Ellenfeleid",
     "értékei akár 25%-kal is megváltozhatnak, és a Mentés funkciót", "is elérheted."},
}};

// "CheckBox*" matches "CheckBox" followed by digits only, so "CheckBoxes" stays out.
bool matches(std::string_view pattern, std::string_view name) {
  if (!pattern.ends_with('*')) return pattern == name;
  pattern.remove_suffix(1);
  if (!name.starts_with(pattern) || name.size() == pattern.size()) return false;
  for (char c : name.substr(pattern.size())) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

std::optional<HelpLines> RightClickHelp(std::string_view controlName, int difficulty, bool continuationsEmpty) {
  if (controlName == "LabelSzint" || controlName == "LabelNehezsegiFokozat") {
    if (difficulty < 0 || difficulty > 2) return std::nullopt;
    return kDifficultyHelp[static_cast<std::size_t>(difficulty)];
  }
  if (controlName == "ListBoxNext" && continuationsEmpty) return std::nullopt;
  for (const HelpEntry& entry : helpTable()) {
    for (const std::string& pattern : entry.names) {
      if (matches(pattern, controlName)) {
        HelpLines lines = entry.lines;
        for (std::string& line : lines) line = SingleAmpersands(std::move(line));
        return lines;
      }
    }
  }
  return std::nullopt;
}

std::string SingleAmpersands(std::string text) {
  for (std::size_t at = text.find("&&"); at != std::string::npos; at = text.find("&&", at + 1)) text.erase(at, 1);
  return text;
}

}  // namespace zrx
