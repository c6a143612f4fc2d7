#pragma once
// The program's own pictures, cursors and header font, compiled into the program.
#include <QCursor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <array>
#include <vector>

namespace zrx {

enum class Glyph { Close = 0, CloseLit = 1, Minimise = 2, MinimiseLit = 3 };

// The face name under which the header font is known to the windows.
inline constexpr const char* kHeaderFontName = "ZRX_Font_Fejlec";

class Resources {
 public:
  // Resource errors in loading order; error code 16 + number is reported for them.
  enum Error { kNone = 0, kFontError = 1, kCursorError = 2, kGlyphError = 3, kIconError = 4, kPictureError = 5 };

  // `root` is the folder the files are read from: the compiled-in resources by default.
  explicit Resources(QString root = QStringLiteral(":/zrx"));

  // `ResourceBeolvas` and `FontBeolvas`: loads everything; stops at the first failure and
  // returns its number (kNone when all loaded). Until then every picture is empty.
  int load();
  int error() const { return error_; }

  const QPixmap& glyph(Glyph which) const { return glyphs_[static_cast<int>(which)]; }
  const QPixmap& icon() const { return icon_; }
  const QPixmap& logo() const { return logo_; }
  const QPixmap& skull() const { return skull_; }
  // One of the eleven cursors by number; the arrow when they did not load.
  QCursor cursor(int number) const;
  // The header font at a point size ("ZRX_Font_Fejlec", or the default font before loading).
  QFont headerFont(int points) const;

 private:
  bool loadFont();
  bool loadCursors();
  bool loadGlyphs();
  QPixmap picture(const QString& name, QSize size) const;

  QString root_;
  int error_ = kNone;
  bool fontLoaded_ = false;
  std::array<QPixmap, 4> glyphs_;
  QPixmap icon_;
  QPixmap logo_;
  QPixmap skull_;
  std::vector<QCursor> cursors_;
};

}  // namespace zrx
