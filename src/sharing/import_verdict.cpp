#include "import_verdict.h"

namespace zrx {

std::string_view VerdictNotice(ImportVerdict verdict) {
  switch (verdict) {
    case ImportVerdict::Accepted: return "A játékcsomag rendben van, telepíthető.";
    case ImportVerdict::Unreadable: return "A fájl nem olvasható, vagy nem ZRX játékcsomag.";
    case ImportVerdict::BadManifest: return "A játékcsomag leírása hiányzik vagy hibás.";
    case ImportVerdict::TooManyFiles: return "A játékcsomagban túl sok fájl van (legfeljebb 300 lehet).";
    case ImportVerdict::UnsafePath: return "A játékcsomag a saját mappáján kívülre írna.";
    case ImportVerdict::Link: return "A játékcsomag hivatkozást (linket) tartalmaz.";
    case ImportVerdict::NotRegularFile: return "A játékcsomag különleges fájlt (eszközt, mappát) tartalmaz.";
    case ImportVerdict::Duplicate: return "A játékcsomagban egy fájlnév kétszer szerepel.";
    case ImportVerdict::CaseCollision: return "A játékcsomagban két fájlnév csak kis- és nagybetűben különbözik.";
    case ImportVerdict::UnknownFile: return "A játékcsomagban idegen fájl van.";
    case ImportVerdict::UndeclaredFile: return "A játékcsomagban a leírásában nem szereplő fájl van.";
    case ImportVerdict::MissingFile: return "A játékcsomagból hiányzik egy fájl.";
    case ImportVerdict::TooLarge: return "A játékcsomag túl nagy.";
    case ImportVerdict::SizeMismatch: return "Egy fájl mérete nem egyezik a játékcsomag leírásával.";
    case ImportVerdict::HashMismatch: return "Egy fájl tartalma nem egyezik a játékcsomag leírásával.";
    case ImportVerdict::BadPackageName: return "A játékcsomag neve érvénytelen (pontosan hat karakter kell).";
    case ImportVerdict::ReservedName: return "A játékcsomag neve foglalt (Source, Save és Other nem lehet).";
    case ImportVerdict::PackageRefused: return "A játékcsomag fájljai hibásak, a program nem tudja betölteni őket.";
    case ImportVerdict::BooksMismatch: return "A játékcsomag leírása nem egyezik a könyveivel.";
    case ImportVerdict::InstallFailed: return "A játékcsomag telepítése nem sikerült.";
  }
  return "";
}

}  // namespace zrx
