// The band table and the single-band editor beside the channel panel's EQ graph: what they
// show, what typing and choosing do, and what reaches the machine.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>

#include "PanelFixture.h"
#include "ui/panels/BandEditor.h"
#include "ui/panels/BandEditorSync.h"
#include "ui/panels/BandTable.h"
#include "ui/panels/BandTableModel.h"
#include "ui/widgets/EqGraph.h"
#include "ui/widgets/EqGraphGeometry.h"

namespace v7::test {
namespace {

using Column = BandTableModel::Column;
using Value = BandEditor::Value;

class BandEditorTest : public PanelFixture {
 protected:
  void Store(int page, int band, const EqBandSettings& settings) {
    image.PutEqBand(page, band, settings);
    referenceImage.PutEqBand(page, band, settings);
  }
  // The graph reports a pick of `band` as a click on its marker does.
  void Pick(int band) {
    EqGraph* graph = panel->Graph();
    graph->SetSelectedBand(band);
    emit graph->BandChanged(graph->Band(band), band);
  }
  QString Cell(int row, int column) const { return panel->Table()->Model().Cell(row, column); }
  BandEditor& Editor() const { return *panel->Editor(); }
  const EqGraphBand& GraphBand(int band) const { return panel->Graph()->Band(band); }
  void Type(Value box, const QString& text) {
    QLineEdit* edit = Editor().Box(box);
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  void ChooseRadio(FilterType type) {
    QTest::mouseClick(Editor().Radio(static_cast<int>(type) - 1), Qt::LeftButton);
  }
};

TEST_F(BandEditorTest, PickingABandShowsTheEditorAndTheBackgroundBringsTheTableBack) {
  Make(kPageMic);
  EXPECT_TRUE(panel->Table()->isVisible());
  EXPECT_FALSE(Editor().isVisible());
  Pick(3);
  EXPECT_FALSE(panel->Table()->isVisible());
  EXPECT_TRUE(Editor().isVisible());
  EXPECT_EQ(Editor().Number()->text(), "4");
  EXPECT_EQ(panel->Table()->currentIndex().row(), 3);
  emit panel->Graph()->BackgroundClicked();
  EXPECT_TRUE(panel->Table()->isVisible());
  EXPECT_FALSE(Editor().isVisible());
}

TEST_F(BandEditorTest, EnterOnATableRowOpensTheBandAndEscapeReturnsToTheRow) {
  Make(kPageMusic);
  BandTable* table = panel->Table();
  table->setFocus(Qt::TabFocusReason);
  table->SelectRow(0);
  QTest::keyClick(table, Qt::Key_Down);
  QTest::keyClick(table, Qt::Key_Down);
  EXPECT_EQ(panel->Graph()->SelectedBand(), 2);
  QTest::keyClick(table, Qt::Key_Return);
  ASSERT_TRUE(Editor().isVisible());
  EXPECT_EQ(Editor().Number()->text(), "3");
  EXPECT_TRUE(Editor().isAncestorOf(QApplication::focusWidget()));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(table->isVisible());
  EXPECT_EQ(table->currentIndex().row(), 2);
  EXPECT_EQ(QApplication::focusWidget(), table);
}

TEST_F(BandEditorTest, LowPassDropsTheGainAndNarrowsQAndPeqBringsQBack) {
  Store(kPageMic, 1, {6.0f, 1000, 2.0f, 1});
  Make(kPageMic);
  Pick(1);
  ChooseRadio(FilterType::Lp);
  EXPECT_EQ(Cell(1, Column::kGainColumn), "+0.0dB");
  EXPECT_EQ(Editor().BoxText(BandEditor::kQ), "0.70");
  EXPECT_FALSE(Editor().Slider(BandEditor::kGain)->IsSliderEnabled());
  EXPECT_FALSE(Editor().Box(BandEditor::kGain)->isEnabled());
  EXPECT_EQ(Editor().Slider(BandEditor::kQ)->Minimum(), 10);
  EXPECT_EQ(Editor().Slider(BandEditor::kQ)->Maximum(), 200);
  EXPECT_EQ(image.GetEqBand(kPageMic, 1).type, 2);
  ChooseRadio(FilterType::Peq);
  EXPECT_EQ(Cell(1, Column::kQColumn), "1.41");
  EXPECT_EQ(Cell(1, Column::kGainColumn), "+0.0dB");
  EXPECT_EQ(Cell(1, Column::kTypeColumn), "PEQ");
  EXPECT_TRUE(Editor().Slider(BandEditor::kGain)->IsSliderEnabled());
  EXPECT_EQ(Editor().Slider(BandEditor::kQ)->Maximum(), 3000);
}

struct TypedCase {
  const char* name;
  Value box;
  const char* text;
  const char* gain;
  const char* frequency;
};

void PrintTo(const TypedCase& c, std::ostream* os) {
  *os << c.name;
}

// The band starts at +3 dB, 500 Hz.
const TypedCase kTypedCases[] = {
    {"unit after the number is ignored", BandEditor::kFrequency, "5k", "+3.0dB", "20Hz"},
    {"letters leave the frequency", BandEditor::kFrequency, "abc", "+3.0dB", "500Hz"},
    {"letters set the gain to 0", BandEditor::kGain, "abc", "+0.0dB", "500Hz"},
    {"gain is limited", BandEditor::kGain, "-40dB", "-15.0dB", "500Hz"},
    {"decimal gain", BandEditor::kGain, " +4.5", "+4.5dB", "500Hz"},
    {"infinity is no number", BandEditor::kFrequency, "inf", "+3.0dB", "500Hz"},
    {"above the graph's top", BandEditor::kFrequency, "18000", "+3.0dB", "18000Hz"},
    {"above 20 kHz", BandEditor::kFrequency, "99999", "+3.0dB", "20000Hz"},
};

class TypedValueTest : public BandEditorTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedValueTest, EnterAppliesAllThreeBoxesAndLeavesTheSliders) {
  const TypedCase& c = GetParam();
  Store(kPageMic, 4, {3.0f, 500, 1.0f, 1});
  Make(kPageMic);
  Pick(4);
  const std::array<int, 3> sliders = {Editor().Slider(BandEditor::kGain)->Value(),
                                      Editor().Slider(BandEditor::kFrequency)->Value(),
                                      Editor().Slider(BandEditor::kQ)->Value()};
  sink.sent.clear();
  Type(c.box, QString::fromUtf8(c.text));
  EXPECT_EQ(Editor().BoxText(BandEditor::kGain), c.gain);
  EXPECT_EQ(Editor().BoxText(BandEditor::kFrequency), c.frequency);
  EXPECT_EQ(Cell(4, Column::kGainColumn), c.gain);
  EXPECT_EQ(Cell(4, Column::kFrequencyColumn), c.frequency);
  EXPECT_EQ(Editor().Slider(BandEditor::kGain)->Value(), sliders[0]);
  EXPECT_EQ(Editor().Slider(BandEditor::kFrequency)->Value(), sliders[1]);
  EXPECT_EQ(Editor().Slider(BandEditor::kQ)->Value(), sliders[2]);
  const EqGraphBand& b = GraphBand(4);
  reference.SetEqBand(kPageMic, 4, 1, static_cast<int>(b.frequency), b.gain, b.q);
  EXPECT_EQ(sink.sent, referenceSink.sent);
}

INSTANTIATE_TEST_SUITE_P(Boxes, TypedValueTest, ::testing::ValuesIn(kTypedCases));

TEST_F(BandEditorTest, AFrequencyAboveTheSliderPutsItAtItsTopOnTheNextPick) {
  Store(kPageMic, 0, {0.0f, 700, 1.0f, 1});
  Make(kPageMic);
  Pick(0);
  Type(BandEditor::kFrequency, "18000");
  EXPECT_EQ(Editor().Slider(BandEditor::kFrequency)->Value(), 700);
  Pick(0);
  EXPECT_EQ(Editor().Slider(BandEditor::kFrequency)->Value(), 12000);
}

TEST_F(BandEditorTest, StoredValuesShowInTheTableWhileTheGraphKeepsItsLimits) {
  Store(kPageMain, 0, {0.0f, 300, 1.0f, 7});
  Store(kPageMain, 1, {0.0f, 200, 0.5f, 4});
  // Gain code 350: +20 dB, more than the editors ever store.
  const int address = ParameterImage::EqBandAddress(kPageMain, 1);
  image.eqArea[static_cast<size_t>(address)] = 0x01;
  image.eqArea[static_cast<size_t>(address) + 1] = 0x5E;
  Make(kPageMain);
  EXPECT_EQ(Cell(0, Column::kTypeColumn), "OFF");
  EXPECT_EQ(GraphBand(0).type, FilterType::Off);
  EXPECT_EQ(Cell(1, Column::kGainColumn), "+20.0dB");
  EXPECT_EQ(Cell(1, Column::kTypeColumn), "LS");
  EXPECT_FLOAT_EQ(GraphBand(1).gain, 15.0f);
  Pick(0);
  EXPECT_EQ(panel->Bands().TypeRadio(), -1);
  for (int k = 0; k < BandEditor::kTypeCount; ++k) EXPECT_FALSE(Editor().Radio(k)->isChecked());
}

TEST_F(BandEditorTest, AWideQWaitsForTheNextPickAfterANarrowRange) {
  Store(kPageMic, 0, {0.0f, 100, 1.5f, 2});
  Store(kPageMic, 1, {0.0f, 1000, 5.0f, 1});
  Make(kPageMic);
  Pick(0);
  ASSERT_EQ(Editor().Slider(BandEditor::kQ)->Maximum(), 200);
  Pick(1);
  EXPECT_EQ(Editor().Slider(BandEditor::kQ)->Maximum(), 3000);
  EXPECT_EQ(Editor().Slider(BandEditor::kQ)->Value(), 200);
  Pick(1);
  EXPECT_EQ(Editor().Slider(BandEditor::kQ)->Value(), 500);
}

struct TableEditCase {
  int column;
  const char* text;
  int type;
  const char* gain;
  const char* frequency;
  const char* q;
};

const TableEditCase kTableEdits[] = {
    {Column::kGainColumn, "-7.24", 1, "-7.2dB", "1000Hz", "2.00"},
    {Column::kFrequencyColumn, "440 Hz", 1, "+6.0dB", "440Hz", "2.00"},
    {Column::kQColumn, "45", 1, "+6.0dB", "1000Hz", "30.00"},
    {Column::kQColumn, "x", 1, "+6.0dB", "1000Hz", "2.00"},
    {Column::kTypeColumn, "HS", 5, "+0.0dB", "1000Hz", "0.70"},
    {Column::kTypeColumn, "Peq", 1, "+6.0dB", "1000Hz", "2.00"},  // names compare exactly
};

void PrintTo(const TableEditCase& c, std::ostream* os) {
  *os << "column " << c.column << " \"" << c.text << '"';
}

class TableEditTest : public BandEditorTest, public ::testing::WithParamInterface<TableEditCase> {};

TEST_P(TableEditTest, AnEditedCellSetsTheBandAndRewritesTheRow) {
  const TableEditCase& c = GetParam();
  Store(kPageMic, 2, {6.0f, 1000, 2.0f, 1});
  Make(kPageMic);
  Pick(2);
  BandTableModel& model = panel->Table()->Model();
  model.setData(model.index(2, c.column), QString::fromUtf8(c.text), Qt::EditRole);
  EXPECT_EQ(image.GetEqBand(kPageMic, 2).type, c.type);
  EXPECT_EQ(Cell(2, Column::kGainColumn), c.gain);
  EXPECT_EQ(Cell(2, Column::kFrequencyColumn), c.frequency);
  EXPECT_EQ(Cell(2, Column::kQColumn), c.q);
  EXPECT_EQ(Editor().BoxText(BandEditor::kQ), QString::fromUtf8(c.q));
}

INSTANTIATE_TEST_SUITE_P(Cells, TableEditTest, ::testing::ValuesIn(kTableEdits));

TEST_F(BandEditorTest, TheTypeCellOffersTheFiveCurveTypesInTheLanguage) {
  Make(kPageMic, Language::Chinese);
  BandTable* table = panel->Table();
  const QModelIndex cell = table->Model().index(0, Column::kTypeColumn);
  table->setCurrentIndex(cell);
  table->edit(cell);
  auto* combo = table->findChild<QComboBox*>();
  ASSERT_NE(combo, nullptr);
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  EXPECT_EQ(items, QStringList({"参量", "低通", "高通", "低架", "高架"}));
  combo->setCurrentIndex(1);
  emit combo->activated(1);
  QApplication::processEvents();
  EXPECT_EQ(Cell(0, Column::kTypeColumn), "低通");
  EXPECT_EQ(image.GetEqBand(kPageMic, 0).type, 2);
}

TEST_F(BandEditorTest, ResetOnTheSubwooferPageLoadsItsTwoLowPasses) {
  Store(kPageSub, 0, {9.0f, 5000, 3.0f, 4});
  Make(kPageSub);
  panel->ResetCurrentEq();
  panel->LoadBands();
  for (int row : {2, 3}) EXPECT_EQ(Cell(row, Column::kTypeColumn), "LP");
  EXPECT_EQ(Cell(2, Column::kFrequencyColumn), "100Hz");
  EXPECT_EQ(Cell(2, Column::kQColumn), "0.71");
  EXPECT_EQ(Cell(3, Column::kFrequencyColumn), "130Hz");
  EXPECT_EQ(Cell(3, Column::kQColumn), "1.00");
  for (int row : {0, 1, 4, 5, 6}) {
    EXPECT_EQ(Cell(row, Column::kTypeColumn), "PEQ");
    EXPECT_EQ(Cell(row, Column::kGainColumn), "+0.0dB");
    EXPECT_EQ(Cell(row, Column::kQColumn), "1.41");
  }
}

TEST_F(BandEditorTest, BypassFollowsThePageAndShowsOnTheGraph) {
  Make(kPageEcho);
  EXPECT_EQ(panel->BypassState(), 0);
  panel->ToggleBypass();
  EXPECT_EQ(panel->BypassState(), 1);
  EXPECT_TRUE(panel->Graph()->Bypass());
  reference.ToggleEqBypass(kPageEcho);
  EXPECT_EQ(sink.sent, referenceSink.sent);
}

// A drag with the mouse on the graph: every intermediate band goes out, in order.
TEST_F(BandEditorTest, EveryStepOfADragSendsTheBand) {
  Store(kPageMic, 5, {0.0f, 1000, 1.41f, 1});
  Make(kPageMic);
  EqGraph* graph = panel->Graph();
  graph->grab();  // places the markers
  const EqGraphBand& b = graph->Band(5);
  const QPoint start(b.markerX + EqGraphGeometry::kHitOffsetX,
                     b.markerY + EqGraphGeometry::kHitOffsetY);
  const auto sendBand = [&] {
    reference.SetEqBand(kPageMic, 5, 1, static_cast<int>(b.frequency), b.gain, b.q);
  };
  QTest::mousePress(graph, Qt::LeftButton, Qt::NoModifier, start);
  sendBand();
  for (int step = 1; step <= 4; ++step) {
    const QPoint at = start + QPoint(6 * step, -5 * step);
    QMouseEvent move(QEvent::MouseMove, at, graph->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(graph, &move);
    sendBand();
  }
  // The release reports the band once more.
  QTest::mouseRelease(graph, Qt::LeftButton, Qt::NoModifier, start + QPoint(24, -20));
  sendBand();
  EXPECT_EQ(sink.sent, referenceSink.sent);
  EXPECT_EQ(Cell(5, Column::kGainColumn), Editor().BoxText(BandEditor::kGain));
  EXPECT_GT(b.gain, 0.0f);
}

TEST_F(BandEditorTest, CellsAreReadAsBandColumnAndValue) {
  Store(kPageMic, 2, {1.5f, 1000, 2.0f, 1});
  Make(kPageMic);
  const BandTableModel& model = panel->Table()->Model();
  EXPECT_EQ(model.index(2, Column::kGainColumn).data(Qt::AccessibleTextRole).toString(),
            "Band 3, Gain, +1.5dB");
  EXPECT_FALSE(Editor().Slider(BandEditor::kGain)->accessibleName().isEmpty());
  EXPECT_FALSE(Editor().Box(BandEditor::kQ)->accessibleName().isEmpty());
  EXPECT_EQ(Editor().Radio(0)->text(), "PEQ");
}

TEST_F(BandEditorTest, ALanguageChangeRewritesHeadingsTypesAndRadios) {
  Store(kPageMic, 0, {0.0f, 100, 0.7f, 2});
  Make(kPageMic, Language::English);
  panel->ApplyLanguage(Table(Language::Chinese), Language::Chinese);
  const BandTableModel& model = panel->Table()->Model();
  EXPECT_EQ(model.headerData(Column::kTypeColumn, Qt::Horizontal, Qt::DisplayRole).toString(),
            QString::fromUtf8("类型"));
  EXPECT_EQ(Cell(0, Column::kTypeColumn), QString::fromUtf8("低通"));
  EXPECT_EQ(Editor().Radio(1)->text(), QString::fromUtf8("低通"));
  EXPECT_EQ(Editor().Radio(1)->accessibleName(), QString::fromUtf8("低通"));
  EXPECT_EQ(model.index(0, Column::kQColumn).data(Qt::AccessibleTextRole).toString(),
            QString::fromUtf8("第1段, Q值, 0.70"));
}

}  // namespace
}  // namespace v7::test
