#pragma once
// Text at the file boundary: files hold Windows-1250, memory holds UTF-8.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zrx {

// Windows-1250 bytes to UTF-8. The five bytes that the code page leaves undefined
// (0x81, 0x83, 0x88, 0x90, 0x98) become the C1 controls U+0081 etc., so every byte
// survives a read and a write.
std::string Win1250ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1250; nullopt when a character has no Windows-1250 byte or the UTF-8 is malformed.
std::optional<std::string> Utf8ToWin1250(std::string_view utf8);

// Like Utf8ToWin1250, but every character that cannot be held becomes '?'.
// Only for text the program itself composed; what a player types is checked with Utf8ToWin1250.
std::string Utf8ToWin1250Lossy(std::string_view utf8);

// Number of characters (code points) of a UTF-8 string.
std::size_t Utf8Length(std::string_view utf8);

// The first `maxChars` characters of a UTF-8 string.
std::string Utf8Cut(std::string_view utf8, std::size_t maxChars);

// True when every character of the UTF-8 text can be written in Windows-1250.
bool FitsWin1250(std::string_view utf8);

// False when the system's converter lacks Windows-1250: then only ASCII converts, and
// a program reports it as a vital file that cannot be found before it reads anything.
bool CodePageAvailable();

// Whether the converter knows `charset` (a check of the fallback above).
bool CodePageLoads(const char* charset);

}  // namespace zrx
