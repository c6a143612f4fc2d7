#include "commands.h"

#include <sstream>

#include "command_handlers.h"
#include "input_folding.h"
#include "line_input.h"
#include "session.h"

namespace zrx {

const std::vector<Command>& CommandTable() {
  static const std::vector<Command> table = {
      {{"súgó", "help", "?"}, "", "a parancsok listája", CmdHelp},
      {{"tovább", "go"}, "[szám]", "továbblépés a megadott FejezetPontra (egy szám magában is elég); "
                                   "szám nélkül a kijelölt lehetőségre, vagy a várakozó lapra", CmdContinue},
      {{"történet", "story"}, "", "a \"Történet\" lap: a FejezetPont szövege és a lehetőségek", CmdStory},
      {{"kalandlap", "sheet"}, "", "a \"Kalandlap\": jellemzők és a bejárt út", CmdSheet},
      {{"tárgyak", "items"}, "", "a \"Felszerelési tárgyak\" lap", CmdItemsPage},
      {{"próbák", "tests"}, "", "a \"Próbák - Csaták\" lap", CmdTestsPage},
      {{"információk", "infos"}, "", "az \"Információk\" lap", CmdInfoPage},
      {{"varázslatok", "magic"}, "", "a \"Varázslatok - Képességek\" lap", CmdMagicPage},
      {{"tárgy", "item"}, "<szám>", "egy felszerelési tárgy kijelölése és leírása", CmdSelectItem},
      {{"használ", "use", "vált", "switch"}, "<szám>",
       "a tárgy felhasználása, vagy használatba vétele (csere a használt tárgyra)", CmdUseItem},
      {{"info"}, "<szám>", "egy információ kijelölése és leírása", CmdSelectInfo},
      {{"infohasznál", "useinfo"}, "<szám>", "az információ felhasználása", CmdUseInfo},
      {{"varázslat", "spell"}, "<szám>", "egy varázslat vagy képesség kijelölése és leírása", CmdSelectMagic},
      {{"jegyzet", "note"}, "<1-5> <szöveg>", "saját információ felírása a megadott sorszámra", CmdWriteNote},
      {{"jegyzetmutat", "shownote"}, "<1-5>", "a megadott sorszámú saját információ megjelenítése", CmdShowNote},
      {{"szerencse", "luck"}, "", "Szerencse próba", CmdLuck},
      {{"dob", "roll"}, "<1-4>", "dobás egy, két, három vagy négy kockával", CmdRoll},
      {{"esélyek", "odds"}, "", "a Csata megnyerésének és a sikeres Szerencse próbának az esélye", CmdOdds},
      {{"térkép", "map"}, "", "a bejárt FejezetPontok térképe, lépésről lépésre", CmdMap},
      {{"statisztika", "stats"}, "", "a játék statisztikája", CmdStats},
      {{"harc", "fight"}, "", "egy Forduló a Csatában", CmdFight},
      {{"menekül", "flee"}, "", "Menekülés a Csatából", CmdFlee},
      {{"fegyver", "weapon"}, "", "a Speciális Fegyver használata", CmdSpecialWeapon},
      {{"jelöl", "tick"}, "<szám>", "a választható tárgyak listáján a szám. tárgy megjelölése, vagy a jelölés levétele",
       CmdTick},
      {{"darab", "count"}, "<sor> [+|-]", "a tárgysor darabszámának növelése (+) vagy csökkentése (-)", CmdQuantity},
      {{"felvesz", "take"}, "", "\"Tárgy(ak) felvétele\": a választás végrehajtása", CmdConfirmOffer},
      {{"kiválaszt", "pick"}, "[szám]",
       "\"Tárgy(ak) kiválasztása\": egy saját tárgy kiválasztása a listáról; "
       "szám nélkül úgy, hogy nincs kijelölt tárgy (cserénél így nem ajánlasz fel semmit)",
       CmdPickOwnItem},
      {{"mentés", "save"}, "[név]", "a játékállás mentése (ha a FejezetPont megengedi)", CmdSave},
      {{"mentések", "saves"}, "", "a mentett játékaid listája", CmdListSaves},
      {{"betöltés", "load"}, "[szám]", "egy mentett játék betöltése", CmdLoad},
      {{"törlés", "delete"}, "<szám>", "egy mentett játék törlése", CmdDelete},
      {{"vissza", "undo"}, "", "vissza az előző FejezetPontra, ahol a szabályok mentést engednének", CmdUndo},
      {{"befejezés", "end"}, "", "a folyó játék befejezése", CmdEndGame},
      {{"új", "new"}, "[forrás] [könyv] [fokozat]", "új játék kezdése (a válaszok előre is megadhatók)", CmdNewGame},
      {{"csendes", "quiet"}, "[be|ki]", "csendes mód képernyőolvasóhoz: csak a változások, díszítés nélkül",
       CmdQuiet},
      {{"kilépés", "quit", "exit"}, "", "kilépés a programból", CmdQuit},
  };
  return table;
}

const Command* FindCommand(const std::string& word) {
  for (const Command& command : CommandTable()) {
    for (const std::string& name : command.names) {
      if (SameWord(name, word)) return &command;
    }
  }
  return nullptr;
}

namespace {

// A command typed without its accents or in capitals is named back in its Hungarian form.
void showRecognised(Session& session, const Command& command, const std::string& typed) {
  for (const std::string& name : command.names) {
    if (name == typed) return;
  }
  session.out() << "(" << command.names.front() << ")\n";
}

}  // namespace

bool RunCommand(Session& session, const std::string& line) {
  std::istringstream words(line);
  std::string name;
  words >> name;
  CommandArgs args;
  for (std::string word; words >> word;) args.words.push_back(word);
  args.rest = Trim(line.substr(line.find(name) + name.size()));
  if (const Command* command = FindCommand(name)) {
    showRecognised(session, *command, name);
    return command->handler(session, args);
  }
  if (ParseNumber(name)) return CmdContinue(session, {{name}, name});
  session.out() << "Ismeretlen parancs: " << name << " (a parancsok listája: súgó)\n";
  return false;
}

void PrintHelp(std::ostream& out) {
  out << "Parancsok (zárójelben a rövid angol nevek):\n";
  for (const Command& command : CommandTable()) {
    out << "  " << command.names.front();
    if (!command.arguments.empty()) out << ' ' << command.arguments;
    if (command.names.size() > 1) {
      out << " (";
      for (std::size_t i = 1; i < command.names.size(); ++i) out << (i > 1 ? ", " : "") << command.names[i];
      out << ')';
    }
    out << "\n      " << command.help << '\n';
  }
  out << "Kérdésekre: igen / nem. Párbeszédben: mégse, vissza.\n";
}

bool CmdQuiet(Session& session, const CommandArgs& args) {
  const std::string word = args.words.empty() ? "" : FoldForMatch(args.words.front());
  const bool quiet = word.empty() ? !session.quiet() : word == "be" || word == "on";
  session.setQuiet(quiet);
  session.out() << (quiet ? "Csendes mód: be." : "Csendes mód: ki.") << '\n';
  return true;
}

bool CmdHelp(Session& session, const CommandArgs&) {
  PrintHelp(session.out());
  return true;
}

}  // namespace zrx
