// Times several operations side by side: in each round every figure in turn
// gets a few untimed warm-up runs and then a block of timed runs, so slow
// phases of the machine hit all figures alike. A round's result is the
// median of its block.
//
// Every timed run ends with what it drew put on the display, as it is at
// once on the device. Under Wine a window's drawing stays in its window
// surface until the thread next looks for messages, or until an EndPaint
// once the thread has been busy for 50 ms; without this, paints would pay
// for the display and block transfers into a window would not.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct TimedFigure {
  std::string name;
  std::function<void()> run;      // the operation being timed
  std::function<void()> prepare;  // untimed, before each run; may be empty
  std::vector<double> roundMedians;  // microseconds, one per round
};

void RunRounds(std::vector<TimedFigure>& figures, int rounds, int iterations, int warmups);

// One "sample NAME ROUND MICROSECONDS" line per round and figure on stdout.
void PrintSamples(const std::vector<TimedFigure>& figures);
