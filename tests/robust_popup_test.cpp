// The real pop-up under odd conditions, through the device simulator:
//   - random command lines (quotes, backslashes, slashes, dashes, unicode,
//     empty and very long arguments): the pop-up writes one parse line per
//     argument, takes the mode from the last one, and always ends with exit
//     code 0 and its close line;
//   - a host that is slow to answer: the close count starts when the send
//     returns;
//   - hosts that end while the pop-up is sending to them, and hosts that
//     appear or go between two reports (a repaint reports again): every
//     report goes to exactly the hosts that exist at that moment.
// Runs take turns with every other simulator run on the machine; each one
// lasts three to eight seconds, so there are few of them.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "device_folder.h"
#include "devicesim_client.h"
#include "robust_random.h"

namespace {

const char kShell[] = "QD_MAINMENU";
const char kGuide[] = "Velmora_GUI";
const char kClose[] = "Popup Close -- \r\n";

// Quotes one argument so that the runtime library's parser gives it back
// exactly: backslashes are literal unless they precede a quote.
std::wstring Quote(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, L'\\');
  return out + L"\"";
}

std::wstring CommandLine(const std::vector<std::wstring>& args) {
  std::wstring line;
  for (const std::wstring& a : args) line += (line.empty() ? L"" : L" ") + Quote(a);
  return line;
}

// What the pop-up makes of one argument: the framework takes one leading
// '-' or '/' off, then the text is compared with "BlackBox" ignoring case.
bool MeansBlackBox(const std::wstring& arg) {
  const wchar_t* p = arg.c_str();
  if (*p == L'-' || *p == L'/') ++p;
  return lstrcmpiW(p, L"BlackBox") == 0;
}

std::wstring RandomArgument(RobustRandom& r) {
  static const wchar_t* const kParts[] = {L"\"", L"\\", L"\\\"", L"\\\\", L"/", L"-", L"--", L" ",
                                          L"\t", L"BlackBox", L"=", L"'", L"^", L"&", L"|", L"%PATH%",
                                          L"*", L"?", L"<", L">", L"\x00E9", L"\x4E2D\x6587", L"\xD83D\xDE00"};
  static const wchar_t* const kModes[] = {
      L"BlackBox",  L"blackbox",     L"/BlackBox",   L"-BLACKBOX", L"--BlackBox", L"//BlackBox",
      L"BlackBox ", L" BlackBox",    L"Black Box",   L"BlackBoxX", L"\"BlackBox\"", L"\\BlackBox",
      L"bLaCkBoX",  L"\xFF22lackBox", L"\x0412lackBox", L"Black\x00ADBox", L"BlackBox\x200B"};
  std::wstring out;
  switch (r.Int(0, 6)) {
    case 0: return r.Text(40);  // control characters, right-to-left, surrogates...
    case 1:
    case 2:
      for (int n = r.Int(1, 8); n > 0; --n) out += r.Pick(kParts);
      return out;
    case 3:  // very long
      for (int n = r.Int(300, 1500); n > 0; --n) out += r.Chance(90) ? static_cast<wchar_t>(r.Int(L'a', L'z')) : r.Char();
      return out;
    case 4: return std::wstring();
    default: return r.Pick(kModes);
  }
}

class PopupRobustness : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(device.ok());
    device.Clear();
    device.InstallSkins();
    device.WriteConfig({0, 0, 0, 0, 0, 0, 0, 0, 1, 0});
  }
  void TearDown() override { device.Clear(); }
  SimRun Run(const std::wstring& args, std::vector<std::wstring> extra = {}) {
    std::vector<std::wstring> all = {L"--drive", std::wstring(1, device.Drive()), L"--args", args,
                                     L"--timeout", L"15000"};
    all.insert(all.end(), extra.begin(), extra.end());
    SimRun run = RunDeviceSim(all, 60000);
    EXPECT_FALSE(run.killed) << run.stdoutText;
    return run;
  }
  DeviceFolder device;
};

TEST_F(PopupRobustness, RandomCommandLinesParseEachArgumentAndTheLastChoosesTheMode) {
  const char* seedText = std::getenv("QD_ROBUST_SEED");
  const uint32_t seed = seedText ? static_cast<uint32_t>(std::strtoul(seedText, nullptr, 0)) : 0xC0DE5EEDu;
  RobustRandom r(seed);
  struct Line {
    std::wstring text;               // the command line after the program name
    std::vector<std::wstring> args;  // what the runtime library makes of it
  };
  std::vector<Line> lines;
  for (int n = 0; n < 3; ++n) {
    std::vector<std::wstring> args;
    for (int k = r.Int(1, 5); k > 0; --k) args.push_back(RandomArgument(r));
    lines.push_back({CommandLine(args), args});
  }
  // An open quote ends at the end of the line.
  lines.push_back({L"\"/blackBOX", {L"/blackBOX"}});

  for (const Line& line : lines) {
    const std::vector<std::wstring>& args = line.args;
    SCOPED_TRACE("seed " + std::to_string(seed) + ", command line (" + std::to_string(line.text.size()) +
                 " units): " + ToUtf8(line.text.size() > 300 ? line.text.substr(0, 300) + L"..." : line.text));
    SimRun run = Run(line.text);
    EXPECT_EQ(0, run.exitCode) << run.stdoutText;

    std::vector<std::string> expected;
    for (const std::wstring& a : args) {
      expected.push_back(MeansBlackBox(a) ? "BlackBox -- \r\n" : "NULL General Screen -- \r\n");
    }
    const bool blackBox = MeansBlackBox(args.back());
    if (blackBox) expected.push_back("BlackBox -- TimmerOn !!\r\n");
    expected.push_back(kClose);
    EXPECT_EQ(expected, DebugLines(run)) << "expected\n" << Join(expected) << "actual\n" << Join(DebugLines(run));

    const std::vector<HostEvent> hostExpected =
        blackBox ? std::vector<HostEvent>{{kShell, 5525, 0, 0}}
                 : std::vector<HostEvent>{{kGuide, 5024, 101, 1}, {kShell, 1781, 1, 0}};
    EXPECT_EQ(hostExpected, HostMessages(run)) << Describe(HostMessages(run));
    EXPECT_EQ(nullptr, FindFirst(run, "timeout")) << "the simulator had to close it";
  }
}

TEST_F(PopupRobustness, ASlowHostHoldsThePopupAndTheCloseCountStartsWhenItAnswers) {
  const int kSlowMs = 1500;
  SimRun run = Run(L"", {L"--slow-host", std::to_wstring(kSlowMs)});
  EXPECT_EQ(0, run.exitCode);
  const std::vector<HostEvent> expected = {{kGuide, 5024, 101, 1}, {kShell, 1781, 1, 0}};
  ASSERT_EQ(expected, HostMessages(run)) << Describe(HostMessages(run));
  const SimEvent* shell = FindFirst(run, "message", kShell);
  const SimEvent* close = FindDebug(run, "Popup Close");
  ASSERT_TRUE(shell && close) << run.stdoutText;
  // The shell took the message at shell->t and answered kSlowMs later.
  const int answered = shell->t + kSlowMs;
  EXPECT_GE(close->t - answered, 2950) << "closed before three seconds had passed since the answer";
  EXPECT_LE(close->t - answered, 4500) << run.stdoutText;
  EXPECT_EQ(nullptr, FindFirst(run, "timeout"));
}

TEST_F(PopupRobustness, HostsThatEndWhileTheyAreSentToAreLeftOutOfTheNextReport) {
  // Each host takes its message, sleeps (the shell only) and destroys its
  // window before it answers; a repaint at 3000 ms, after the first report
  // and before its close, reports again, to nobody. A start so slow that the
  // repaint falls inside the first report is run once more.
  const int kSlowMs = 1000;
  for (int attempt = 0; attempt < 2; ++attempt) {
    SimRun run = Run(L"", {L"--slow-host", std::to_wstring(kSlowMs), L"--host-gone-during", L"5024:Velmora_GUI",
                           L"--host-gone-during", L"1781:QD_MAINMENU", L"--invalidate-at", L"3000"});
    EXPECT_EQ(0, run.exitCode);
    const SimEvent* shell = FindFirst(run, "message", kShell);
    const SimEvent* repaint = FindFirst(run, "invalidate");
    const SimEvent* close = FindDebug(run, "Popup Close");
    ASSERT_TRUE(shell && repaint && close) << run.stdoutText;
    if (repaint->t <= shell->t + kSlowMs && attempt == 0) continue;
    ASSERT_GT(repaint->t, shell->t + kSlowMs) << "the repaint came inside the first report\n" << run.stdoutText;

    const std::vector<HostEvent> expected = {{kGuide, 5024, 101, 1}, {kShell, 1781, 1, 0}};
    EXPECT_EQ(expected, HostMessages(run)) << Describe(HostMessages(run));
    std::vector<SimEvent> gone = EventsOf(run, "host-gone");
    ASSERT_EQ(2u, gone.size()) << run.stdoutText;
    EXPECT_EQ(kGuide, gone[0].title);
    EXPECT_EQ(5024u, gone[0].msg);
    EXPECT_EQ(kShell, gone[1].title);
    EXPECT_EQ(1781u, gone[1].msg);
    // Both sends came back although their windows went; the repaint armed
    // the close again without any host to tell.
    EXPECT_GE(close->t - repaint->t, 2950) << run.stdoutText;
    EXPECT_LE(close->t - repaint->t, 4500) << run.stdoutText;
    EXPECT_EQ(nullptr, FindFirst(run, "timeout"));
    return;
  }
}

TEST_F(PopupRobustness, AHostThatAppearsOrGoesBetweenTwoReportsIsFoundOrMissedAccordingly) {
  // Velmora_GUI is absent until 2000 ms; QD_MAINMENU goes at 2000 ms; the
  // screen is repainted at 2500 ms, after the first report and before its
  // close. A start so slow that the first report comes after the hosts
  // changed is run once more.
  for (int attempt = 0; attempt < 2; ++attempt) {
    SimRun run = Run(L"", {L"--host-appear-at", L"2000:Velmora_GUI", L"--host-gone-at", L"2000:QD_MAINMENU",
                           L"--invalidate-at", L"2500"});
    EXPECT_EQ(0, run.exitCode);
    const SimEvent* change = FindFirst(run, "host-appear");
    const SimEvent* repaint = FindFirst(run, "invalidate");
    const SimEvent* close = FindDebug(run, "Popup Close");
    ASSERT_TRUE(change && repaint && close) << run.stdoutText;
    std::vector<SimEvent> messages = EventsOf(run, "message");
    ASSERT_FALSE(messages.empty()) << run.stdoutText;
    if (messages[0].t >= change->t && attempt == 0) continue;
    ASSERT_LT(messages[0].t, change->t) << "the first report came after the hosts changed\n" << run.stdoutText;

    // First report: only the shell existed. Second: only the navigation program.
    const std::vector<HostEvent> expected = {{kShell, 1781, 1, 0}, {kGuide, 5024, 101, 1}};
    ASSERT_EQ(expected, HostMessages(run)) << Describe(HostMessages(run)) << run.stdoutText;
    EXPECT_GT(messages[1].t, repaint->t);
    EXPECT_GE(close->t - messages[1].t, 2950) << run.stdoutText;
    EXPECT_LE(close->t - messages[1].t, 4500) << run.stdoutText;
    EXPECT_EQ(nullptr, FindFirst(run, "timeout"));
    return;
  }
}

}  // namespace
