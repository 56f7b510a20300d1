#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringEncoder>
#include <QWidget>

#include "i18n/LanguageTable.h"
#include "i18n/LanguageTables.h"

namespace v7 {
namespace {

QByteArray Gbk(const QString& text) {
  QStringEncoder encoder("GBK");
  return encoder.encode(text);
}

TEST(LanguageTable, ParsesKeysWithoutRegardToCaseAndFirstMatchWins) {
  LanguageTable table;
  ASSERT_TRUE(
      table.Parse(Gbk(QStringLiteral("[Other]\r\nIDD1_title=wrong section\r\n"
                                     "[String]\r\n// 注释=不是条目\r\n"
                                     "IDD1_TITLE=第一\r\nidd1_title=第二\r\n"
                                     "IDD1_5=\r\nnot an entry\r\nIDD2_3=a=b\r\n"))));
  EXPECT_EQ(table.Title(1), QStringLiteral("第一"));
  EXPECT_EQ(table.Lookup(QStringLiteral("iDd1_TiTlE")), QStringLiteral("第一"));
  EXPECT_TRUE(table.ControlText(1, 5).isEmpty());
  EXPECT_EQ(table.ControlText(2, 3), QStringLiteral("a=b"));
  EXPECT_TRUE(table.Lookup(QStringLiteral("// 注释")).isEmpty());
}

TEST(LanguageTable, UsesAtMost999CharactersOfAValue) {
  LanguageTable table;
  ASSERT_TRUE(table.Parse(Gbk(QStringLiteral("[String]\r\nIDD1_2=") + QString(1500, u'x'))));
  EXPECT_EQ(table.ControlText(1, 2).size(), LanguageTable::kMaxValueLength);
}

TEST(LanguageTable, RejectsBytesThatAreNotGbk) {
  LanguageTable table;
  EXPECT_FALSE(table.Parse(QByteArray("[String]\r\nIDD1_title=\x81\x20\xff", 24)));
  EXPECT_TRUE(table.IsEmpty());
}

struct Entry {
  const char* key;
  const char* zh;
  const char* en;
};

// A sample across every dialog of the tables, including their exact spacing and colons.
constexpr Entry kEntries[] = {
    {"IDD335_title", "机器设置", "Machine Set"},
    {"IDD335_1191", "随模式保存", "By mode "},
    {"IDD335_1183", "出厂机器模式", "Default mode"},
    {"IDD335_2", "取消", "Cancel"},
    {"IDD313_1133", "点击下面方框进入回声均衡调节", "Click and enter echo eq panel"},
    {"IDD313_1207", "Q值", "Q"},
    {"IDD373_title", "遥控学习", "Study remoter control "},
    {"IDD372_1005", "您当前学习的功能是：", "you study key is："},
    {"IDD372_3", "放弃学习", "Cancel"},
    {"IDD410_1125", "话筒灵敏度", "Level"},
};

TEST(LanguageTables, BothBuiltInTablesHoldTheEntries) {
  LanguageTable chinese;
  LanguageTable english;
  ASSERT_TRUE(LoadLanguageTable(0, &chinese));
  ASSERT_TRUE(LoadLanguageTable(1, &english));
  for (const Entry& e : kEntries) {
    EXPECT_EQ(chinese.Lookup(QLatin1String(e.key)), QString::fromUtf8(e.zh)) << e.key;
    EXPECT_EQ(english.Lookup(QLatin1String(e.key)), QString::fromUtf8(e.en)) << e.key;
  }
  // Dialogs the program never shows are only in the English table.
  EXPECT_FALSE(english.Title(416).isEmpty());
  EXPECT_TRUE(chinese.Title(416).isEmpty());
}

TEST(LanguageTables, MachineSettingsDialogHas36EntriesInEachTable) {
  const std::vector<int> controls = {1197, 1005, 1039, 1002, 1040, 1199, 1006, 1131, 1201,
                                     1190, 1191, 1198, 1046, 1073, 2,    1143, 1144, 1041,
                                     1042, 1043, 1044, 1045, 1148, 1047, 1183, 1012, 1013,
                                     1022, 1023, 1200, 1193, 1194, 1184, 1068, 1069};
  ASSERT_EQ(controls.size() + 1, 36u);
  for (int language : {0, 1}) {
    LanguageTable table;
    ASSERT_TRUE(LoadLanguageTable(language, &table));
    EXPECT_FALSE(table.Title(335).isEmpty());
    for (int id : controls) EXPECT_FALSE(table.ControlText(335, id).isEmpty()) << id;
  }
}

TEST(ApplyDialogTexts, RewritesTitleAndControlsThatHaveEntries) {
  LanguageTable table;
  ASSERT_TRUE(LoadLanguageTable(1, &table));
  QWidget dialog;
  auto* button = new QPushButton(QStringLiteral("载入参数"), &dialog);
  button->setProperty("controlId", 3);
  auto* unnamed = new QLabel(QStringLiteral("keep me"), &dialog);
  unnamed->setProperty("controlId", -1);
  auto* group = new QGroupBox(QStringLiteral("组"), &dialog);
  auto* inGroup = new QPushButton(QStringLiteral("应用参数"), group);
  inGroup->setProperty("controlId", 1);
  group->setProperty("controlId", 4);
  // A nested table dialog keeps its own texts.
  auto* nested = new QWidget(&dialog);
  nested->setProperty("dialogId", 372);
  auto* nestedButton = new QPushButton(QStringLiteral("关闭"), nested);
  nestedButton->setProperty("controlId", 3);

  ApplyDialogTexts(table, &dialog, 373);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Study remoter control "));
  EXPECT_EQ(button->text(), QStringLiteral("Load file"));
  EXPECT_EQ(group->title(), QStringLiteral("Save file"));
  EXPECT_EQ(inGroup->text(), QStringLiteral("Apply"));
  EXPECT_EQ(unnamed->text(), QStringLiteral("keep me"));
  EXPECT_EQ(nestedButton->text(), QStringLiteral("关闭"));
}

TEST(ApplyDialogTexts, AnEmptyTableChangesNothing) {
  LanguageTable empty;
  QWidget dialog;
  dialog.setWindowTitle(QStringLiteral("built in"));
  auto* label = new QLabel(QStringLiteral("text"), &dialog);
  label->setProperty("controlId", 1123);
  ApplyDialogTexts(empty, &dialog, 410);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("built in"));
  EXPECT_EQ(label->text(), QStringLiteral("text"));
}

}  // namespace
}  // namespace v7
