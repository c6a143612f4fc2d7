#pragma once
// The program's version text and the update check's verdict on the newest version the
// authors publish.
#include <string>
#include <string_view>

namespace zrx {

// Shown in the version window and compared with the published version.
inline constexpr std::string_view kProgramVersion = "0.705.10";

// What the update check tells the player.
enum class UpdateVerdict {
  Current = 1,  // "Nem érhető el új ZRX verzió!"
  Failed = 2,   // "Az új verzió keresése nem sikerült!"
  Newer = 9,    // "Új ZRX verzió (...) érhető el!"
};

struct UpdateResult {
  UpdateVerdict verdict = UpdateVerdict::Failed;
  std::string newVersion;  // the published version text, for `Newer`
};

// Judges the first line of the downloaded update file against `local`. A version text is
// digit, point, three digits, point, two digits; its major, minor and build are compared
// each by itself: the local version is current when remote major <= local major, remote
// minor <= local minor and remote build <= local build. So "0.704.20" counts as newer than
// "0.705.10", as the published file has always been read.
// An empty line, or one that is no version text (an error page served in its place), is a
// failed check rather than a made-up verdict.
UpdateResult JudgeUpdateLine(std::string_view firstLine, std::string_view local = kProgramVersion);

}  // namespace zrx
