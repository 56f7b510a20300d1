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

// Every entry with a given text (the machine settings dialog's ten keys for controls it does
// not have are only required to exist), with their exact spacing and colons.
constexpr Entry kEntries[] = {
    {"IDD335_title", "机器设置", "Machine Set"},
    {"IDD335_1197", "开机音量", "Start vol"},
    {"IDD335_1005", "话筒开机音量", "Mic start vol"},
    {"IDD335_1039", "启用", "Enable"},
    {"IDD335_1002", "音乐开机音量", "Music start vol"},
    {"IDD335_1040", "启用", "Enable"},
    {"IDD335_1199", "限制音量", "Limit vol"},
    {"IDD335_1006", "话筒最大音量", "Mic max vol"},
    {"IDD335_1131", "音乐最大音量", "Music max vol"},
    {"IDD335_1201", "音量保存模式", "Vol save mode"},
    {"IDD335_1190", "随开关机保存", "By power"},
    {"IDD335_1191", "随模式保存", "By mode "},
    {"IDD335_1198", "锁定", "Lock"},
    {"IDD335_1046", "锁定面板", "Lock panel"},
    {"IDD335_1073", "应用", "Apply"},
    {"IDD335_2", "取消", "Cancel"},
    {"IDD335_1143", "锁定话筒音量", "Lock mic vol"},
    {"IDD335_1144", "锁定音乐音量", "Lock music vol"},
    {"IDD335_1041", "锁定话筒菜单", "Lock mic menu"},
    {"IDD335_1042", "锁定音乐菜单", "Lock music menu"},
    {"IDD335_1043", "锁定载入模式", "Lock load"},
    {"IDD335_1044", "锁定保存模式", "Lock save"},
    {"IDD335_1045", "锁定遥控", "Lock remote"},
    {"IDD335_1148", "锁定直达声", "Lock direct"},
    {"IDD335_1047", "锁定音量", "Lock Vol"},
    {"IDD335_1183", "出厂机器模式", "Default mode"},
    {"IDD313_1132", "回声均衡", "Echo EQ"},
    {"IDD313_1133", "点击下面方框进入回声均衡调节", "Click and enter echo eq panel"},
    {"IDD313_1200", "话筒控超低", "Mic control sub"},
    {"IDD313_1123", "话筒无声，超低恢复时间", "Sub vol restore time"},
    {"IDD313_1124", "话筒有声，超低比例大小", "Sub ratio"},
    {"IDD313_1125", "话筒灵敏度", "Sub sensitivity"},
    {"IDD313_1201", "均衡类型", "EQ TYPE"},
    {"IDD313_1190", "参量", "PEQ"},
    {"IDD313_1191", "低通", "LP"},
    {"IDD313_1192", "高通", "HP"},
    {"IDD313_1193", "低架", "LS"},
    {"IDD313_1194", "高架", "HS"},
    {"IDD313_1205", "增益", "G"},
    {"IDD313_1206", "频率", "F"},
    {"IDD313_1207", "Q值", "Q"},
    {"IDD373_title", "遥控学习", "Study remoter control "},
    {"IDD373_3", "载入参数", "Load file"},
    {"IDD373_4", "保存参数", "Save file"},
    {"IDD373_1", "应用参数", "Apply"},
    {"IDD372_title", "学习中", "Studying"},
    {"IDD372_1005", "您当前学习的功能是：", "you study key is："},
    {"IDD372_1007", "请您按下遥控器上的对应的按键", "Press remote control key"},
    {"IDD372_1", "关闭", "Close"},
    {"IDD372_3", "放弃学习", "Cancel"},
    {"IDD410_title", "话筒控超低", "Auto sub"},
    {"IDD410_1123", "话筒无声，超低恢复时间", "Restore time"},
    {"IDD410_1124", "话筒有声，超低比例大小", "Ratio"},
    {"IDD410_1125", "话筒灵敏度", "Level"},
};

TEST(LanguageTables, BothBuiltInTablesHoldTheEntries) {
  LanguageTable chinese;
  LanguageTable english;
  ASSERT_TRUE(LoadLanguageTable(Language::Chinese, &chinese));
  ASSERT_TRUE(LoadLanguageTable(Language::English, &english));
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
  for (Language language : {Language::Chinese, Language::English}) {
    LanguageTable table;
    ASSERT_TRUE(LoadLanguageTable(language, &table));
    EXPECT_FALSE(table.Title(335).isEmpty());
    for (int id : controls) EXPECT_FALSE(table.ControlText(335, id).isEmpty()) << id;
  }
}

TEST(ApplyDialogTexts, RewritesTitleAndControlsThatHaveEntries) {
  LanguageTable table;
  ASSERT_TRUE(LoadLanguageTable(Language::English, &table));
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
