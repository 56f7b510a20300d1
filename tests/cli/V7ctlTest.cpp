#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "cli/V7ctl.h"
#include "dsp/EqLimits.h"
#include "files/ModeFile.h"
#include "link/Clock.h"
#include "params/ParameterCatalogue.h"

namespace v7 {
namespace {

namespace fs = std::filesystem;

struct Result {
  int code;
  std::string out;
  std::string err;
};

// Runs v7ctl's main logic in-process. Its pauses (1500 ms before every read sequence, the
// 300 ms level interval) run on a clock scaled to a hundredth: shortened, not skipped.
Result RunCli(std::vector<std::string> args) {
  ScaledClock clock(0.01);
  std::ostringstream out;
  std::ostringstream err;
  const int code = RunV7ctl(args, out, err, clock);
  return {code, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text, std::string_view prefix = "") {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (line.starts_with(prefix)) lines.push_back(line);
  return lines;
}

// The command byte of each sent report in a trace ("> 02 80 00 ...").
std::vector<int> SentCodes(const std::string& err) {
  std::vector<int> codes;
  for (const std::string& line : Lines(err, "> "))
    codes.push_back(std::stoi(line.substr(5, 2), nullptr, 16));
  return codes;
}

const std::vector<int> kReadCodes = {128, 129, 127, 7,  32,  12,  21,  21,  21,  21,  21,  21,
                                     21,  21,  21,  21, 21,  21,  21,  21,  21,  21,  21,  21,
                                     21,  21,  146, 98, 134, 134, 134, 134, 134, 134, 134, 134};

std::vector<int> Concat(std::vector<int> a, const std::vector<int>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class TempDir {
 public:
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "v7ctl-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
  }
  ~TempDir() { fs::remove_all(root_); }
  std::string Path(const std::string& name) const { return (root_ / name).string(); }

 private:
  fs::path root_;
};

TEST(V7ctl, BackupTracesTheReadSequenceWritesTheFileAndDumpShowsTheMachine) {
  TempDir dir;
  const std::string path = dir.Path("x.V7M");
  const Result backup = RunCli({"--simulate", "--trace", "backup", path});
  ASSERT_EQ(backup.code, 0) << backup.err;
  EXPECT_EQ(SentCodes(backup.err), Concat(kReadCodes, {138}));
  std::string firstRequest = "> 02 80";
  for (int i = 0; i < 59; ++i) firstRequest += " 00";
  EXPECT_EQ(Lines(backup.err, "> ")[0], firstRequest);
  EXPECT_FALSE(Lines(backup.err, "< ").empty());
  EXPECT_EQ(fs::file_size(path), 907u);

  const Result dump = RunCli({"dump", path});
  ASSERT_EQ(dump.code, 0);
  // The simulated machine's mode 1 factory values.
  for (const char* expected : {"\"micVolume\": -6,", "\"musicVolume\": -10,", "\"echoTime\": 3200,",
                               "\"centerVolume\": -2,", "\"fileVersion\": \"Ver1.0.1\","})
    EXPECT_NE(dump.out.find(expected), std::string::npos) << expected;
}

TEST(V7ctl, AnotherModelGetsTwoRequestsThenGoodbyeAndExitThree) {
  const Result r = RunCli({"--sim-model", "X9", "--trace", "info"});
  EXPECT_EQ(r.code, 3);
  EXPECT_EQ(SentCodes(r.err), (std::vector<int>{128, 129, 138}));
  EXPECT_NE(r.err.find("v7ctl: the machine reports model \"X9\""), std::string::npos);
  EXPECT_TRUE(r.out.empty());
}

TEST(V7ctl, BackupRefusesWhenTheReadStoppedAtTheIdentity) {
  // "v7" passes the model check but stops the read sequence: the image holds start-up
  // values, which must not be saved as the machine's.
  TempDir dir;
  const std::string path = dir.Path("x.V7M");
  const Result r = RunCli({"--sim-model", "v7", "backup", path});
  EXPECT_EQ(r.code, 4);
  EXPECT_NE(r.err.find("v7ctl: the machine's parameters were not read"), std::string::npos);
  EXPECT_FALSE(fs::exists(path));
}

TEST(V7ctl, InfoPrintsTheIdentityAndMode) {
  const Result r = RunCli({"--simulate", "--sim-latency", "0", "info"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "model: V7\nmcu: 2016-05-20\nprotocol: 3\nmode: M1\n");
}

TEST(V7ctl, SetSendsExactlyTheAccessorsReportAfterTheRead) {
  const Result r = RunCli({"--simulate", "--trace", "set", "mic-volume", "-6"});
  ASSERT_EQ(r.code, 0) << r.err;
  const std::vector<std::string> sent = Lines(r.err, "> ");
  ASSERT_EQ(sent.size(), kReadCodes.size() + 2);
  EXPECT_EQ(sent[kReadCodes.size()].substr(0, 29), "> 02 14 01 37 04 00 40 26 E7 ");
  EXPECT_EQ(sent.back().substr(0, 7), "> 02 8A");
}

TEST(V7ctl, SettableNamesMapToTheirAddresses) {
  struct Case {
    const char* name;
    const char* value;
    const char* report;
  };
  const Case cases[] = {
      {"main-music", "0", "> 02 14 01 3A 08 00 80 00 00 00 80 00 00"},  // mic word first
      {"sub-eq-bypass", "1", "> 02 14 01 B9 08 00 00 00 00 00 80 00 00"},
      {"echo-time", "9000", "> 02 14 01 0D 04 00 00 1C 84"},  // clamped to 7300
      {"music-mute", "1", "> 02 14 00 97 04 00 00 00 00"},
      {"mic-volume", "5", "> 02 14 01 37 04 00 E3 9E A8"},  // the top of the master range
      {"mic-sub-ratio", "70", "> 02 20 00 14 46 1E"},       // with the other two bytes as read
  };
  for (const Case& c : cases) {
    const Result r = RunCli({"--simulate", "--trace", "set", c.name, c.value});
    ASSERT_EQ(r.code, 0) << c.name << r.err;
    const std::vector<std::string> sent = Lines(r.err, "> ");
    ASSERT_EQ(sent.size(), kReadCodes.size() + 2) << c.name;
    EXPECT_TRUE(sent[kReadCodes.size()].starts_with(c.report)) << sent[kReadCodes.size()];
  }
}

TEST(V7ctl, EqAndResetUseTheAccessors) {
  const Result eq = RunCli({"--simulate", "--trace", "eq", "Mic", "1", "hs", "8000", "3", "0.8"});
  ASSERT_EQ(eq.code, 0) << eq.err;
  EXPECT_EQ(SentCodes(eq.err), Concat(kReadCodes, {133, 20, 138}));
  EXPECT_TRUE(
      Lines(eq.err, "> ")[kReadCodes.size()].starts_with("> 02 85 00 46 07 00 B4 1F 40 03 20 05"));

  const Result reset = RunCli({"--simulate", "--trace", "eq-reset", "sub"});
  ASSERT_EQ(reset.code, 0) << reset.err;
  EXPECT_EQ(SentCodes(reset.err), Concat(kReadCodes, {20, 20, 20, 20, 20, 20, 20, 133, 138}));
}

TEST(V7ctl, EqValuesAreLimitedAsTheBandEditorLimitsThem) {
  struct Case {
    std::vector<std::string> args;
    const char* record;  // the band record's report
  };
  const Case cases[] = {
      // A tiny Q would be stored as code 0 and silence the band on replay: 0.1 (code 100).
      {{"mic", "1", "peq", "1000", "3", "0.0001"}, "> 02 85 00 46 07 00 B4 03 E8 00 64 01"},
      // A low pass has no gain; frequency to 20000 Hz, Q to 2.
      {{"main", "2", "lp", "50000", "6", "5"}, "> 02 85 00 93 07 00 96 4E 20 07 D0 02"},
      // Frequency to 20 Hz, gain to -15 dB, a PEQ's Q to 30.
      {{"sub", "1", "PEQ", "5", "-40", "99"}, "> 02 85 00 EE 07 00 00 00 14 75 30 01"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"--simulate", "--trace", "eq"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Result r = RunCli(args);
    ASSERT_EQ(r.code, 0) << r.err;
    const std::vector<std::string> sent = Lines(r.err, "> ");
    ASSERT_EQ(sent.size(), kReadCodes.size() + 3);
    EXPECT_TRUE(sent[kReadCodes.size()].starts_with(c.record)) << sent[kReadCodes.size()];
  }
}

TEST(V7ctl, RestoreWritesTheFileThenStoresTheDesignatedMode) {
  TempDir dir;
  const std::string path = dir.Path("m2 party.V7M");
  ASSERT_EQ(RunCli({"new", path}).code, 0);
  const Result r = RunCli({"--simulate", "--trace", "restore", path});
  ASSERT_EQ(r.code, 0) << r.err;
  const std::vector<int> codes = SentCodes(r.err);
  // Read, write (start-up tables are absent: 80 reports), store as M2, goodbye.
  ASSERT_EQ(codes.size(), kReadCodes.size() + 80 + 3);
  const std::vector<std::string> sent = Lines(r.err, "> ");
  EXPECT_TRUE(sent[sent.size() - 3].starts_with("> 02 03 01 00"));
  EXPECT_TRUE(sent[sent.size() - 2].starts_with("> 02 04 01 00"));
  EXPECT_TRUE(sent.back().starts_with("> 02 8A"));
}

TEST(V7ctl, ModeLoadReadsTheMachineAgain) {
  const Result r = RunCli({"--simulate", "--trace", "mode", "load", "2"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(SentCodes(r.err), Concat(Concat(kReadCodes, {5}), Concat(kReadCodes, {138})));
  const Result store = RunCli({"--simulate", "--trace", "mode", "store", "4"});
  EXPECT_EQ(SentCodes(store.err), Concat(kReadCodes, {4, 138}));
}

TEST(V7ctl, LevelsPrintsOneLinePerRequest) {
  const Result r = RunCli({"--simulate", "levels", "3"});
  ASSERT_EQ(r.code, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 3u);
  for (const std::string& line : lines) {
    int first = -1, second = -1;
    EXPECT_EQ(std::sscanf(line.c_str(), "%d %d", &first, &second), 2) << line;
    EXPECT_GE(first, 0);
    EXPECT_LE(second, 255);
  }
}

TEST(V7ctl, OfflineCommands) {
  EXPECT_EQ(RunCli({"coeffs", "PEQ", "1000", "6", "1.414"}).out,
            "15688647 -7607397 8777362 -15688647 7218643\n");
  EXPECT_EQ(RunCli({"coeffs", "1", "1000", "6", "1.414"}).out,
            RunCli({"coeffs", "peq", "1000", "6", "1.414"}).out);
  EXPECT_EQ(RunCli({"coeffs", "off", "20", "0", "1"}).out, "0 0 8388608 0 0\n");
  EXPECT_EQ(RunCli({"mode-of", "M2 party.V7M"}).out, "1\n");
  EXPECT_EQ(RunCli({"mode-of", "m1.v7m"}).out, "-1\n");

  const Result curve = RunCli({"curve", "PEQ", "1000", "6", "1"});
  ASSERT_EQ(curve.code, 0);
  const std::vector<std::string> points = Lines(curve.out);
  ASSERT_EQ(points.size(), 512u);
  EXPECT_TRUE(points[0].starts_with("0 10 ")) << points[0];
  EXPECT_TRUE(points[511].starts_with("511 ")) << points[511];

  // A band that is off has a flat curve; its type is accepted like every other.
  for (const char* off : {"0", "OFF", "off"}) {
    const Result flat = RunCli({"curve", off, "1000", "6", "1"});
    ASSERT_EQ(flat.code, 0) << off << flat.err;
    const std::vector<std::string> flatPoints = Lines(flat.out);
    ASSERT_EQ(flatPoints.size(), 512u);
    for (const std::string& point : flatPoints) EXPECT_TRUE(point.ends_with(" 0")) << point;
  }

  const Result gate = RunCli({"gate-data", "-40"});
  ASSERT_EQ(gate.code, 0);
  const std::vector<std::string> gateLines = Lines(gate.out);
  ASSERT_EQ(gateLines.size(), 2u);
  EXPECT_EQ(gateLines[0].size(), std::string("record: ").size() + 24 * 3 - 1);
  EXPECT_EQ(gateLines[1].size(), std::string("table: ").size() + 136 * 3 - 1);
}

TEST(V7ctl, NewWritesTheStartupImage) {
  TempDir dir;
  const std::string path = dir.Path("preset.V7M");
  ASSERT_EQ(RunCli({"new", path}).code, 0);
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  ParameterImage image;
  image.FillStartupBands();
  const ModeFileBytes expected = EncodeModeFile(image);
  EXPECT_EQ(bytes, std::vector<uint8_t>(expected.begin(), expected.end()));
}

TEST(V7ctl, DumpOfAShortFileShowsMissingFieldsAsNull) {
  TempDir dir;
  const std::string path = dir.Path("short.V7M");
  ASSERT_EQ(RunCli({"new", path}).code, 0);
  fs::resize_file(path, 460);
  const Result r = RunCli({"dump", path});
  ASSERT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("\"autoSub\": null"), std::string::npos);
  EXPECT_NE(r.out.find("\"fbcBypass\": null"), std::string::npos);
  EXPECT_NE(r.out.find("\"micMute2\": null"), std::string::npos);
  EXPECT_NE(r.out.find("{\"gainDb\": 0.0, \"freqHz\": 22, \"q\": 1.414, \"type\": 1}"),
            std::string::npos);
}

TEST(V7ctl, BadArgumentsPrintTheCommandsUsageAndExitOne) {
  struct Case {
    std::vector<std::string> args;
    const char* usage;
  };
  const Case cases[] = {
      {{"coeffs", "XX", "1000", "0", "1"}, "usage: v7ctl coeffs TYPE FREQ GAIN Q\n"},
      {{"coeffs", "PEQ", "1000", "0", "0"}, "usage: v7ctl coeffs TYPE FREQ GAIN Q\n"},
      {{"curve", "PEQ", "1000", "0", "-1"}, "usage: v7ctl curve TYPE FREQ GAIN Q\n"},
      {{"--simulate", "eq", "main", "8", "PEQ", "1000", "0", "1"},
       "usage: v7ctl [options] eq PAGE BAND TYPE FREQ GAIN Q\n"},
      {{"--simulate", "mode", "load", "5"},
       "usage: v7ctl [options] mode load|store|factory N   (N 1..4)\n"},
      {{"--simulate", "set", "loudness", "3"},
       "usage: v7ctl [options] set NAME VALUE   (see v7ctl --help for names and ranges)\n"},
      {{"--simulate", "set", "mic-mute", "2"},
       "usage: v7ctl [options] set NAME VALUE   (see v7ctl --help for names and ranges)\n"},
      // Beyond the sliders' ranges: up to +48 dB into the amplifiers, a howling echo.
      {{"--simulate", "set", "mic-volume", "6"},
       "usage: v7ctl [options] set NAME VALUE   (see v7ctl --help for names and ranges)\n"},
      {{"--simulate", "set", "main-volume", "1"},
       "usage: v7ctl [options] set NAME VALUE   (see v7ctl --help for names and ranges)\n"},
      {{"--simulate", "set", "sub-mic", "-81"},
       "usage: v7ctl [options] set NAME VALUE   (see v7ctl --help for names and ranges)\n"},
      {{"--simulate", "set", "echo-ratio", "-19"},
       "usage: v7ctl [options] set NAME VALUE   (see v7ctl --help for names and ranges)\n"},
      {{"--simulate", "levels", "0"}, "usage: v7ctl [options] levels [COUNT]\n"},
      {{"dump"}, "usage: v7ctl dump FILE\n"},
  };
  for (const Case& c : cases) {
    const Result r = RunCli(c.args);
    EXPECT_EQ(r.code, 1) << c.args[0];
    EXPECT_EQ(r.err, c.usage);
    EXPECT_TRUE(r.out.empty());
  }
}

TEST(V7ctl, UnknownCommandsAndOptionsAreOneLineErrors) {
  const Result command = RunCli({"frobnicate"});
  EXPECT_EQ(command.code, 1);
  EXPECT_TRUE(command.err.starts_with("v7ctl: unknown command 'frobnicate'\nusage: v7ctl"));
  const Result option = RunCli({"--fast", "info"});
  EXPECT_EQ(option.code, 1);
  EXPECT_TRUE(option.err.starts_with("v7ctl: unknown option '--fast'\n"));
  EXPECT_EQ(RunCli({"--sim-latency", "soon", "info"}).code, 1);
  EXPECT_EQ(RunCli({}).code, 1);
}

TEST(V7ctl, WithoutAMachineMachineCommandsExitTwo) {
  const Result r = RunCli({"info"});
  EXPECT_EQ(r.code, 2);
  EXPECT_TRUE(r.err.starts_with("v7ctl: ")) << r.err;
  EXPECT_EQ(Lines(r.err).size(), 1u);
}

TEST(V7ctl, ASilentMachineStopsTheReadAfterThreeRequestsAndExitsTwo) {
  const Result r = RunCli({"--sim-silent", "--trace", "info"});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("v7ctl: machine not answering\n"), std::string::npos) << r.err;
  EXPECT_EQ(SentCodes(r.err), (std::vector<int>{128, 129, 127, 138}));  // then goodbye
}

TEST(V7ctl, HelpVersionAndUdevRules) {
  const Result help = RunCli({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("backup FILE"), std::string::npos);
  EXPECT_TRUE(RunCli({"--version"}).out.starts_with("v7ctl "));
  EXPECT_NE(
      RunCli({"--print-udev-rules"})
          .out.find("KERNEL==\"hidraw*\", ATTRS{idVendor}==\"2010\", ATTRS{idProduct}==\"0115\", "
                    "TAG+=\"uaccess\"\n"),
      std::string::npos);
}

// The names listed after "names:" in the help, up to the next command.
std::set<std::string> HelpParameterNames(const std::string& help) {
  const size_t start = help.find("names:") + std::string("names:").size();
  const size_t end = help.find("  eq PAGE", start);
  std::istringstream words(help.substr(start, end - start));
  std::set<std::string> names;
  for (std::string word; words >> word;) names.insert(word);
  return names;
}

TEST(V7ctl, HelpListsEveryCatalogueNameWithItsRange) {
  const std::string help = RunCli({"--help"}).out;
  std::set<std::string> catalogue;
  for (const ParameterEntry& entry : ParameterCatalogue()) {
    catalogue.insert(std::string(entry.name));
    if (entry.unit == ParameterUnit::kSwitch) continue;
    const std::string range =
        std::to_string(entry.range.min) + ".." + std::to_string(entry.range.max);
    EXPECT_NE(help.find(range), std::string::npos) << entry.name << " " << range;
  }
  EXPECT_EQ(HelpParameterNames(help), catalogue);
}

TEST(V7ctl, HelpGivesTheBandEditorsLimits) {
  const std::string help = RunCli({"--help"}).out;
  const auto whole = [](float v) { return std::to_string(static_cast<int>(v)); };
  for (const std::string& text :
       {whole(kEqMinFrequencyHz) + ".." + whole(kEqMaxFrequencyHz) + " Hz",
        "+-" + whole(kEqMaxGainDb) + " dB", "Q 0.1.." + whole(kEqMaxPeqQ) + " for PEQ",
        "0.1.." + whole(kEqMaxOtherQ) + " for the other types"}) {
    EXPECT_NE(help.find(text), std::string::npos) << text;
  }
  EXPECT_FLOAT_EQ(kEqMinQ, 0.1f);
}

TEST(V7ctl, FileFailuresAreReportedWithExitFour) {
  TempDir dir;
  std::ofstream(dir.Path("plain")) << "x";
  const Result backup = RunCli({"--simulate", "backup", dir.Path("plain/x.V7M")});
  EXPECT_EQ(backup.code, 4);
  EXPECT_EQ(backup.err, "v7ctl: cannot write " + dir.Path("plain/x.V7M") + ": Not a directory\n");
  const Result restore = RunCli({"--simulate", "--trace", "restore", dir.Path("none.V7M")});
  EXPECT_EQ(restore.code, 4);
  EXPECT_TRUE(SentCodes(restore.err).empty());  // the machine is not touched
}

TEST(V7ctl, AFileThatIsNotAModeFileIsRefusedUnlessForcedAndFlaggedByDump) {
  TempDir dir;
  const std::string path = dir.Path("passwd");
  std::ofstream(path) << "root:x:0:0:root:/root:/bin/bash\n";

  const Result refused = RunCli({"--simulate", "--trace", "restore", path});
  EXPECT_EQ(refused.code, 4);
  EXPECT_TRUE(SentCodes(refused.err).empty());  // the machine is not touched
  EXPECT_NE(refused.err.find("does not look like a V7 mode file (it is not 907 bytes long)"),
            std::string::npos)
      << refused.err;

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--simulate", "restore", "--force", path},
        std::vector<std::string>{"--simulate", "restore", path, "--force"}}) {
    const Result forced = RunCli(args);
    EXPECT_EQ(forced.code, 0) << forced.err;
  }

  const Result dump = RunCli({"dump", path});
  EXPECT_EQ(dump.code, 0);
  EXPECT_TRUE(
      dump.out.starts_with("{\n  \"looksValid\": false,\n"
                           "  \"reason\": \"it is not 907 bytes long\",\n"))
      << dump.out;
}

TEST(V7ctl, DumpOfAWrittenFileLooksValid) {
  TempDir dir;
  const std::string path = dir.Path("x.V7M");
  ASSERT_EQ(RunCli({"new", path}).code, 0);
  const Result dump = RunCli({"dump", path});
  EXPECT_TRUE(dump.out.starts_with("{\n  \"looksValid\": true,\n  \"fileVersion\"")) << dump.out;
}

TEST(V7ctl, RestoreWithTwoFilesOrForceAloneIsAUsageError) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"restore", "--force"},
                                               std::vector<std::string>{"restore", "a", "b"}}) {
    const Result r = RunCli(args);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "usage: v7ctl [options] restore [--force] FILE\n");
  }
}

}  // namespace
}  // namespace v7
