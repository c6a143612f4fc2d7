#include "game/victory_colours.h"

#include "style/legible_colours.h"

namespace zrx {
namespace {

const QColor kRed(255, 0, 0), kFuchsia(255, 0, 255), kBlue(0, 0, 255), kAqua(0, 255, 255), kLime(0, 255, 0),
    kYellow(255, 255, 0);

}  // namespace

BandColours VictoryBandColours(int state) {
  switch (state) {
    case 1: return {kRed, kFuchsia, kBlue};
    case 2: return {kAqua, kRed, kFuchsia};
    case 3: return {kLime, kAqua, kRed};
    case 4: return {kYellow, kLime, kAqua};
    case 5: return {kBlue, kYellow, kLime};
    default: return {kFuchsia, kBlue, kYellow};
  }
}

QColor VictoryBandText(const QColor& band) {
  return BestTextOn(band, {QColor(Qt::white), QColor(0, 0, 128), QColor(Qt::black)});
}

}  // namespace zrx
