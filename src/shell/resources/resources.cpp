#include "resources/resources.h"

#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <QSvgRenderer>

namespace zrx {
namespace {

// The cursor files by number, with their hot spots on a 32-pixel grid.
struct CursorFile {
  const char* name;
  int hotX;
  int hotY;
};
constexpr std::array<CursorFile, 11> kCursorFiles = {{
    {"nyil", 2, 2}, {"palca", 3, 3}, {"lohere", 16, 16}, {"kard1", 3, 3}, {"kard2", 28, 3},
    {"toll", 3, 29}, {"nyil", 2, 2}, {"homokora", 16, 16}, {"ital", 16, 16}, {"dobokocka", 16, 16},
    {"kesztyu", 10, 2}}};

constexpr std::array<const char*, 4> kGlyphFiles = {"close1", "close2", "minim1", "minim2"};

}  // namespace

Resources::Resources(QString root) : root_(std::move(root)) {}

QPixmap Resources::picture(const QString& name, QSize size) const {
  QSvgRenderer renderer(root_ + "/" + name + ".svg");
  if (!renderer.isValid()) return {};
  // Drawn at twice the size, so that the pictures stay sharp on high-density screens.
  QPixmap pixmap(size * 2);
  pixmap.setDevicePixelRatio(2.0);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

bool Resources::loadFont() {
  QFile file(root_ + "/header_font.otf");
  if (!file.open(QIODevice::ReadOnly)) return false;
  const int id = QFontDatabase::addApplicationFontFromData(file.readAll());
  if (id < 0) return false;
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) return false;
  // The windows ask for the header font by the program's own face name.
  QFont::insertSubstitution(kHeaderFontName, families.first());
  fontLoaded_ = true;
  return true;
}

bool Resources::loadCursors() {
  std::vector<QCursor> cursors;
  for (const CursorFile& file : kCursorFiles) {
    const QPixmap pixmap = picture(QString("cursors/") + file.name, QSize(32, 32));
    if (pixmap.isNull()) return false;
    cursors.emplace_back(pixmap, file.hotX, file.hotY);
  }
  cursors_ = std::move(cursors);
  return true;
}

bool Resources::loadGlyphs() {
  for (std::size_t i = 0; i < kGlyphFiles.size(); ++i) {
    glyphs_[i] = picture(QString("glyphs/") + kGlyphFiles[i], QSize(12, 12));
    if (glyphs_[i].isNull()) return false;
  }
  return true;
}

int Resources::load() {
  error_ = kNone;
  if (!loadFont()) return error_ = kFontError;
  if (!loadCursors()) return error_ = kCursorError;
  if (!loadGlyphs()) return error_ = kGlyphError;
  icon_ = picture("pictures/icon", QSize(32, 32));
  if (icon_.isNull()) return error_ = kIconError;
  logo_ = picture("pictures/logo", QSize(240, 150));
  skull_ = picture("pictures/skull", QSize(200, 200));
  if (logo_.isNull() || skull_.isNull()) return error_ = kPictureError;
  return kNone;
}

QCursor Resources::cursor(int number) const {
  if (number < 0 || static_cast<std::size_t>(number) >= cursors_.size()) return QCursor(Qt::ArrowCursor);
  return cursors_[static_cast<std::size_t>(number)];
}

QFont Resources::headerFont(int points) const {
  QFont font(fontLoaded_ ? QString(kHeaderFontName) : QString());
  font.setPointSize(points);
  font.setBold(true);
  return font;
}

}  // namespace zrx
