#pragma once
// The "Speciális" page: the map of the adventure so far, the odds of the battle at hand
// and of a luck test, and the statistics of this game. It only reads the game.
#include <QWidget>

class QFormLayout;
class QGroupBox;
class QLabel;

namespace zrx {

class AdventureMapView;
class Game;
class MapPathList;

class SpecialPage : public QWidget {
  Q_OBJECT
 public:
  explicit SpecialPage(const Game& game, QWidget* parent = nullptr);

  // Reads the game again: the map (laid out anew only when the path grew), the odds and
  // the statistics.
  void refresh();
  // Refreshes once the events at hand are handled, when the page is shown; several
  // changes of one action give one refresh.
  void refreshSoon();

  AdventureMapView& mapView() { return *map_; }
  MapPathList& pathList() { return *path_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* buildSidePanel();
  void showOdds();
  void showStatistics();
  // The read-only window of node `node`'s chapter point.
  void showNodeText(int node);

  const Game& game_;
  AdventureMapView* map_ = nullptr;
  MapPathList* path_ = nullptr;
  QLabel* strip_ = nullptr;
  QLabel* notice_ = nullptr;
  QGroupBox* odds_ = nullptr;
  QLabel* battleOdds_ = nullptr;
  QLabel* luckOdds_ = nullptr;
  QFormLayout* statistics_ = nullptr;
  bool refreshPending_ = false;
};

}  // namespace zrx
