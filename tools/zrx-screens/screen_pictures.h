#pragma once
// Pictures of the new-game screen and of the save and load screen, for the program's
// screenshots.
#include <QString>
#include <filesystem>
#include <functional>

namespace zrx {

class TFormZRXBase;

// The new-game screen over the packages in `programFolder`, with a book chosen; the save
// and load screens over a copy of its "Source" package with a few saves, so that the
// program folder itself is not written.
void WriteScreenWindowPictures(const std::filesystem::path& programFolder,
                               const std::function<void(const QString& name, TFormZRXBase& window)>& write);

}  // namespace zrx
