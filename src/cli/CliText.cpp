#include "cli/CliText.h"

#include <array>
#include <string>
#include <utility>

#include "params/ParameterCatalogue.h"

namespace v7 {
namespace {

constexpr std::string_view kGeneralUsage =
    "usage: v7ctl [--simulate] [--sim-model NAME] [--sim-latency MS] [--sim-silent] [--trace]\n"
    "             COMMAND [ARGS]\n"
    "       v7ctl --help | --version | --print-udev-rules\n";

constexpr std::array<std::pair<std::string_view, std::string_view>, 14> kUsages = {{
    {"info", "usage: v7ctl [options] info\n"},
    {"backup", "usage: v7ctl [options] backup FILE\n"},
    {"restore", "usage: v7ctl [options] restore [--force] FILE\n"},
    {"mode", "usage: v7ctl [options] mode load|store|factory N   (N 1..4)\n"},
    {"set", "usage: v7ctl [options] set NAME VALUE   (see v7ctl --help for names and ranges)\n"},
    {"eq", "usage: v7ctl [options] eq PAGE BAND TYPE FREQ GAIN Q\n"},
    {"eq-reset", "usage: v7ctl [options] eq-reset PAGE\n"},
    {"levels", "usage: v7ctl [options] levels [COUNT]\n"},
    {"new", "usage: v7ctl new FILE\n"},
    {"dump", "usage: v7ctl dump FILE\n"},
    {"coeffs", "usage: v7ctl coeffs TYPE FREQ GAIN Q\n"},
    {"mode-of", "usage: v7ctl mode-of NAME\n"},
    {"curve", "usage: v7ctl curve TYPE FREQ GAIN Q\n"},
    {"gate-data", "usage: v7ctl gate-data THRESHOLD\n"},
}};

// The help before and after the list of parameter names, which comes from the catalogue.
constexpr std::string_view kHelpHead =
    "v7ctl - command line for the V7 karaoke DSP machine\n"
    "\n"
    "usage: v7ctl [options] COMMAND [ARGS]\n"
    "\n"
    "Options (before the command):\n"
    "  --simulate          use the built-in simulated machine\n"
    "  --sim-model NAME    the simulated machine reports model NAME (implies --simulate)\n"
    "  --sim-latency MS    reply latency of the simulated machine, default 1 (implies "
    "--simulate)\n"
    "  --sim-silent        the simulated machine never answers (implies --simulate)\n"
    "  --trace             print every report on standard error: '> ' sent, '< ' received\n"
    "  --help              show this help\n"
    "  --version           show the version\n"
    "  --print-udev-rules  print the udev rule that lets the logged-in user open the machine\n"
    "\n"
    "Machine commands (each first reads the machine's parameters):\n"
    "  info                           model, MCU version, protocol and current mode\n"
    "  backup FILE                    save the machine's parameters as a mode file\n"
    "  restore [--force] FILE         write a mode file to the machine; a name such as\n"
    "                                 m2.V7M also stores it as mode M2. A file that does\n"
    "                                 not look like a mode file is refused without --force\n"
    "  mode load|store|factory N      load, store or factory-reset mode N (1..4)\n"
    "  set NAME VALUE                 change one parameter, within the program's slider\n"
    "                                 ranges: mic-volume and music-volume -80..5 dB, the\n"
    "                                 other volumes and the mixes -80..0 dB, echo-ratio\n"
    "                                 -100..-20 (tenths of dB), echo-time 1..7300 samples\n"
    "                                 (clamped), switches 0 or 1, mic-sub-restore-time\n"
    "                                 0..255, mic-sub-ratio 0..99, mic-sub-sensitivity\n"
    "                                 20..60, the gate thresholds -88..-20 dB\n";

constexpr std::string_view kHelpTail =
    "  eq PAGE BAND TYPE FREQ GAIN Q  set one EQ band (BAND from 1), limited as in the band\n"
    "                                 editor: 20..20000 Hz, +-15 dB (0 for LP and HP),\n"
    "                                 Q 0.1..30 for PEQ, 0.1..2 for the other types\n"
    "  eq-reset PAGE                  reset an equaliser to its defaults\n"
    "  levels [COUNT]                 print the two level values COUNT times (default 10)\n"
    "\n"
    "Offline commands:\n"
    "  new FILE                       write a mode file of the start-up parameters\n"
    "  dump FILE                      print every field of a mode file as JSON, with\n"
    "                                 looksValid and the reason when it does not look valid\n"
    "  coeffs TYPE FREQ GAIN Q        the band's DSP words: A1 A2 B0 B1 B2\n"
    "  mode-of NAME                   the mode (0..3) a file name designates, or -1\n"
    "  curve TYPE FREQ GAIN Q         the band's 512-point display response\n"
    "  gate-data THRESHOLD            the noise gate's record and table for a threshold\n"
    "\n"
    "PAGE: 0..5 or mic, music, echo, main, center, sub.\n"
    "TYPE: 0..5 or OFF, PEQ, LP, HP, LS, HS.\n"
    "\n"
    "Exit status: 0 success, 1 bad arguments, 2 no machine found, 3 another model\n"
    "answered, 4 a file or the machine failed.\n";

constexpr std::string_view kNamesLabel = "      names:";
constexpr size_t kNamesIndent = 13;
constexpr size_t kHelpWidth = 80;

// Every name `set` takes, filled into lines no wider than the help.
std::string ParameterNameLines() {
  std::string lines;
  std::string line(kNamesLabel);
  for (const ParameterEntry& entry : ParameterCatalogue()) {
    if (line.size() > kNamesIndent && line.size() + 1 + entry.name.size() > kHelpWidth) {
      lines += line + '\n';
      line.assign(kNamesIndent - 1, ' ');
    }
    line += ' ';
    line += entry.name;
  }
  return lines + line + '\n';
}

constexpr std::string_view kUdevRules =
    "# V7 Control: lets the logged-in user open the V7 machine.\n"
    "# Install as /etc/udev/rules.d/60-v7-control.rules, then run: udevadm control --reload\n"
    "KERNEL==\"hidraw*\", ATTRS{idVendor}==\"2010\", ATTRS{idProduct}==\"0115\", "
    "TAG+=\"uaccess\"\n";

}  // namespace

std::string_view UsageOf(std::string_view command) {
  for (const auto& [name, usage] : kUsages)
    if (name == command) return usage;
  return kGeneralUsage;
}

std::string_view HelpText() {
  static const std::string help =
      std::string(kHelpHead) + ParameterNameLines() + std::string(kHelpTail);
  return help;
}

std::string_view UdevRules() {
  return kUdevRules;
}

}  // namespace v7
