#include "EqGraphShots.h"

#include <QApplication>
#include <QMouseEvent>
#include <array>

#include "ui/widgets/EqGraph.h"
#include "ui/widgets/EqGraphGeometry.h"

namespace v7::shots {
namespace {

constexpr QSize kLargeSize(1000, 450);
// The size the graph has in the channel panel before the window is enlarged.
constexpr QSize kPanelSize(489, 147);
constexpr int kHoveredBand = 2;

// Ten bands with a high pass at the bottom, a high shelf at the top and band 6 selected.
void LoadMicBands(EqGraph& graph) {
  const std::array<float, 10> gains = {3.0f, -2.5f, 1.5f,  0.0f, -4.0f,
                                       6.0f, 2.0f,  -3.0f, 4.5f, 0.0f};
  for (int i = 0; i < static_cast<int>(gains.size()); ++i) graph.SetBandGain(i, gains[i]);
  graph.SetBandType(0, FilterType::Hp);
  graph.Band(0).frequency = 40;
  graph.RecomputeBand(0);
  graph.SetBandType(9, FilterType::Hs);
  graph.SetBandGain(9, 3.5f);
  graph.SetSelectedBand(5);
}

// Seven bands ending in a selected low pass.
void LoadEchoBands(EqGraph& graph) {
  graph.SetBandCount(7);
  const std::array<float, 7> gains = {-6.0f, -2.0f, 0.0f, 2.5f, 4.0f, 1.0f, -1.5f};
  for (int i = 0; i < static_cast<int>(gains.size()); ++i) graph.SetBandGain(i, gains[i]);
  graph.SetBandType(6, FilterType::Lp);
  graph.Band(6).frequency = 6000;
  graph.RecomputeBand(6);
  graph.SetSelectedBand(6);
}

// Rests the pointer on a band's marker (stored by the last paint), which shows its read-out.
void HoverBand(EqGraph& graph, int band) {
  const EqGraphBand& b = graph.Band(band);
  const QPoint at(b.markerX + EqGraphGeometry::kHitOffsetX,
                  b.markerY + EqGraphGeometry::kHitOffsetY);
  QMouseEvent move(QEvent::MouseMove, at, graph.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&graph, &move);
}

struct GraphShot {
  const char* name;
  int identity;  // 0 mic, 2 echo
  bool bypass;
  QSize size;
};

const std::array<GraphShot, 3> kShots = {{
    {"eq-graph", 0, false, kLargeSize},
    {"eq-graph-echo-bypass", 2, true, kLargeSize},
    {"eq-graph-panel-size", 0, false, kPanelSize},
}};

QImage Render(const GraphShot& shot, Language language) {
  EqGraph graph;
  graph.resize(shot.size);
  graph.SetIdentity(shot.identity);
  graph.SetLanguage(language);
  graph.SetBypass(shot.bypass);
  if (shot.identity == 0) {
    LoadMicBands(graph);
    graph.grab();  // places the markers the pointer is aimed at
    HoverBand(graph, kHoveredBand);
  } else {
    LoadEchoBands(graph);
  }
  return graph.grab().toImage();
}

}  // namespace

void WriteEqGraphShots(ShotFolder& folder) {
  for (const GraphShot& shot : kShots) {
    for (Language language : {Language::Chinese, Language::English}) {
      folder.Save(Render(shot, language),
                  QStringLiteral("%1-%2").arg(QLatin1String(shot.name), LanguageTag(language)));
    }
  }
}

}  // namespace v7::shots
