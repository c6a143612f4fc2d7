#include "special_page.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "adventure_map.h"
#include "adventure_map_view.h"
#include "chapter_text_window.h"
#include "map_path_list.h"
#include "game.h"
#include "game_statistics.h"
#include "page_odds.h"
#include "page_texts.h"

namespace zrx {
namespace {

QLabel* wrappedLabel(const QString& objectName, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(objectName);
  label->setWordWrap(true);
  return label;
}

// Caption above value: a wrapped label of a width the layout is still settling clips its lines.
QString rowText(const TextRow& row) { return QString::fromStdString(row.first + "\n" + row.second); }

}  // namespace

SpecialPage::SpecialPage(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {
  auto* layout = new QHBoxLayout(this);
  auto* mapColumn = new QVBoxLayout;
  map_ = new AdventureMapView(this);
  notice_ = wrappedLabel("AdventureMapNotice", this);
  strip_ = wrappedLabel("AdventureMapStrip", this);
  strip_->setFrameShape(QFrame::StyledPanel);
  strip_->setStyleSheet("background: #fffbe6; padding: 3px;");
  strip_->hide();
  mapColumn->addWidget(map_, 1);
  mapColumn->addWidget(notice_);
  mapColumn->addWidget(strip_);
  layout->addLayout(mapColumn, 3);  // the side panel takes two fifths: its captions are long
  layout->addWidget(buildSidePanel(), 2);
  connect(map_, &AdventureMapView::nodeTold, this, [this](const QString& text) {
    strip_->setText(text);
    strip_->show();
  });
  connect(map_, &AdventureMapView::nodeSelected, path_, &MapPathList::followSelection);
  connect(path_, &MapPathList::nodeSelected, map_, &AdventureMapView::selectNode);
  connect(map_, &AdventureMapView::nodeChosen, this, &SpecialPage::showNodeText);
  connect(path_, &MapPathList::nodeChosen, this, &SpecialPage::showNodeText);
}

void SpecialPage::showNodeText(int node) {
  const std::vector<MapNode>& nodes = map_->map().nodes;
  if (node < 0 || node >= static_cast<int>(nodes.size())) return;
  const int chapter = nodes[static_cast<std::size_t>(node)].chapter;
  const auto index = static_cast<std::size_t>(chapter);
  const TextList& lines = index < game_.state.ChapterTexts.size() ? game_.state.ChapterTexts[index] : TextList{};
  QStringList text;
  for (const std::string& line : lines) text << QString::fromStdString(line);
  ShowChapterText(chapter, text.join('\n'), this);
}

QWidget* SpecialPage::buildSidePanel() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  auto* visited = new QGroupBox("Bejárt FejezetPontok", panel);
  auto* visitedColumn = new QVBoxLayout(visited);
  path_ = new MapPathList(visited);
  visitedColumn->addWidget(path_);
  odds_ = new QGroupBox("Esélyek", panel);
  odds_->setObjectName("OddsPanel");
  auto* oddsColumn = new QVBoxLayout(odds_);
  battleOdds_ = new QLabel(odds_);
  battleOdds_->setObjectName("BattleOdds");
  luckOdds_ = new QLabel(odds_);
  luckOdds_->setObjectName("LuckOdds");
  oddsColumn->addWidget(battleOdds_);
  oddsColumn->addWidget(luckOdds_);
  auto* stats = new QGroupBox("Statisztika", panel);
  stats->setObjectName("StatisticsPanel");
  statistics_ = new QFormLayout(stats);
  for (const TextRow& row : StatisticsRows({})) {
    auto* value = new QLabel(stats);
    value->setObjectName(QString("StatisticsValue%1").arg(statistics_->rowCount()));
    statistics_->addRow(QString::fromStdString(row.first), value);
  }
  column->addWidget(visited, 1);
  column->addWidget(odds_);
  column->addWidget(stats);
  return panel;
}

void SpecialPage::refresh() {
  refreshPending_ = false;
  if (!game_.state.GameLoaded) {
    map_->setMap({});
    path_->setMap({});
    notice_->setText("Nincs folyamatban játék.");
    strip_->hide();
    odds_->hide();
    showStatistics();
    return;
  }
  map_->setMap(BuildAdventureMap(game_.state));
  path_->setMap(map_->map());
  path_->followSelection(map_->selectedNode());
  if (map_->map().nodes.empty()) {
    notice_->setText("Még egy FejezetPontot sem jártál be.");
  } else {
    notice_->setText(map_->laidOut() ? "" : "A térkép nem rajzolható meg: a Graphviz dot elrendezője hiányzik.");
  }
  notice_->setVisible(!notice_->text().isEmpty());
  showOdds();
  showStatistics();
}

void SpecialPage::showOdds() {
  const PageOdds odds = OddsNow(game_);
  const std::vector<TextRow> rows = OddsRows(odds);
  battleOdds_->setVisible(odds.battle.has_value());
  battleOdds_->setText(odds.battle ? rowText(rows.front()) : QString());
  luckOdds_->setText(rowText(rows.back()));
  odds_->show();
}

void SpecialPage::showStatistics() {
  const std::vector<TextRow> rows = StatisticsRows(CollectStatistics(game_));
  for (int i = 0; i < statistics_->rowCount() && i < static_cast<int>(rows.size()); ++i) {
    auto* value = static_cast<QLabel*>(statistics_->itemAt(i, QFormLayout::FieldRole)->widget());
    value->setText(game_.state.GameLoaded ? QString::fromStdString(rows[static_cast<std::size_t>(i)].second) : "");
  }
}

void SpecialPage::refreshSoon() {
  if (refreshPending_ || !isVisible()) return;
  refreshPending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (refreshPending_) refresh();
  });
}

void SpecialPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refresh();
}

}  // namespace zrx
