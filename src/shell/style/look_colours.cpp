#include "style/look_colours.h"

namespace zrx {
namespace {

const QColor kNavy(0, 0, 128);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
// Grey that reads at 7 : 1 on black, yet plainly not white.
const QColor kHighContrastGrey(150, 150, 150);
const QColor kHighContrastRaised(32, 32, 32);

bool highContrastInForce = false;

}  // namespace

const LookColours& NormalLook() {
  static const LookColours kNormal = {
      .highContrast = false,
      .body = QColor(166, 202, 240),
      .text = kBlack,
      .command = kNavy,
      .caption = kNavy,
      .link = QColor(0, 0, 255),
      .hover = QColor(0, 0, 255),
      .disabled = QColor(78, 78, 78),
      .focus = kNavy,
      .frame = QColor(16, 40, 96),
      .frameLight = QColor(232, 244, 255),
      .frameDark = QColor(86, 128, 184),
      .menuPanel = QColor(0x87, 0xCE, 0xEB),
      .menuHighlight = kNavy,
      .menuHighlightText = kWhite,
      .tab = QColor(240, 240, 240),
      .tabOpen = kWhite,
      .tabText = kNavy,
      .signalOdd = QColor(0, 128, 0),
      .signalEven = QColor(0, 0, 255),
      .signalText = kWhite,
      .picture = kNavy,
      .field = kWhite,
      .fieldText = kBlack,
      .pip = QColor(20, 20, 60),
      .pipOne = QColor(178, 0, 0),
      .arrowFill = QColor(0, 0, 139),
      .arrowPressed = QColor(0, 0, 255),
      .controlFill = QColor(47, 111, 208),
      .controlLine = QColor(12, 34, 86),
      .controlLit = QColor(242, 200, 75),
      .track = QColor(182, 208, 238),
      .trackFocused = QColor(200, 224, 250),
      .mapPaper = QColor(252, 248, 236),
      .mapNode = QColor(245, 236, 212),
      .mapNodeCurrent = QColor(255, 215, 107),
      .mapLine = QColor(0, 90, 200),
      .mapText = kBlack,
      .mapStep = QColor(90, 70, 40),
  };
  return kNormal;
}

const LookColours& HighContrastLook() {
  static const LookColours kHigh = {
      .highContrast = true,
      .body = kBlack,
      .text = kWhite,
      .command = kYellow,
      .caption = kWhite,
      .link = kYellow,
      .hover = kWhite,
      .disabled = kHighContrastGrey,
      .focus = kYellow,
      .frame = kWhite,
      .frameLight = kWhite,
      .frameDark = kHighContrastGrey,
      .menuPanel = kBlack,
      .menuHighlight = kYellow,
      .menuHighlightText = kBlack,
      .tab = kBlack,
      .tabOpen = kHighContrastRaised,
      .tabText = kWhite,
      // The waiting tab keeps its green and blue, dark enough for white captions.
      .signalOdd = QColor(0, 100, 0),
      .signalEven = QColor(0, 0, 255),
      .signalText = kWhite,
      .picture = kWhite,
      .field = kBlack,
      .fieldText = kWhite,
      .pip = kWhite,
      .pipOne = QColor(255, 96, 96),
      .arrowFill = kYellow,
      .arrowPressed = kWhite,
      .controlFill = kWhite,
      .controlLine = kWhite,
      .controlLit = kYellow,
      .track = kBlack,
      .trackFocused = kHighContrastRaised,
      .mapPaper = kBlack,
      .mapNode = kBlack,
      .mapNodeCurrent = kHighContrastRaised,
      .mapLine = kYellow,
      .mapText = kWhite,
      .mapStep = QColor(200, 200, 200),
  };
  return kHigh;
}

const LookColours& Look() { return highContrastInForce ? HighContrastLook() : NormalLook(); }

void UseHighContrast(bool on) { highContrastInForce = on; }

QColor CommandColour(const QColor& normalChoice) {
  return Look().highContrast || !normalChoice.isValid() ? Look().command : normalChoice;
}

QPalette BodyPalette(QPalette base) {
  const LookColours& look = Look();
  base.setColor(QPalette::Window, look.body);
  if (look.highContrast) {
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText}) {
      base.setColor(role, look.text);
    }
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::AlternateBase, QPalette::Button, QPalette::ToolTipBase}) {
      base.setColor(role, look.field);
    }
    base.setColor(QPalette::ToolTipText, look.fieldText);
    base.setColor(QPalette::Highlight, look.menuHighlight);
    base.setColor(QPalette::HighlightedText, look.menuHighlightText);
    base.setColor(QPalette::Link, look.link);
    base.setColor(QPalette::PlaceholderText, look.disabled);
    for (QPalette::ColorRole role : {QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark}) {
      base.setColor(role, look.frameLight);
    }
  } else {
    // The normal set leaves Qt's own colours where the program never set any.
    const QPalette standard;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      for (QPalette::ColorRole role :
           {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText, QPalette::Base,
            QPalette::AlternateBase, QPalette::Button, QPalette::ToolTipBase, QPalette::ToolTipText,
            QPalette::Highlight, QPalette::HighlightedText, QPalette::Link, QPalette::PlaceholderText,
            QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark}) {
        base.setColor(group, role, standard.color(group, role));
      }
    }
  }
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    base.setColor(QPalette::Disabled, role, look.disabled);
  }
  return base;
}

}  // namespace zrx
