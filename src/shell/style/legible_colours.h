#pragma once
// Text colours that stay readable on the program's backgrounds: the contrast ratio of two
// colours (as accessibility guidelines measure it) and the choices built on it.
#include <QColor>
#include <initializer_list>

namespace zrx {

// The contrast ratio of two colours, 1 (none) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// Body text needs at least this ratio to its background.
inline constexpr double kBodyTextContrast = 4.5;

// Greyed (disabled) text of the colour set in force: clearly grey, yet readable on the
// body and the tabs.
QColor DisabledTextColour();

// The story text's background for a text colour: white, or near-black for the light
// colours ("Sárga", "Cián", "Zöld") and the middle ones that white does not carry.
QColor StoryBackground(const QColor& text);

// Of `candidates`, the text colour that stands out most on `background`.
QColor BestTextOn(const QColor& background, std::initializer_list<QColor> candidates);

}  // namespace zrx
