#include "figure_runner.h"

#include <cstdio>

#include "bench_clock.h"
#include "bench_host.h"
#include "device_services.h"

namespace {

double TimeOnce(TimedFigure& figure) {
  if (figure.prepare) figure.prepare();
  const double start = NowMicroseconds();
  figure.run();
  AfxShowDrawingNow();
  return NowMicroseconds() - start;
}

}  // namespace

void RunRounds(std::vector<TimedFigure>& figures, int rounds, int iterations, int warmups) {
  for (int round = 0; round < rounds; ++round) {
    for (TimedFigure& figure : figures) {
      // What the previous block left in the queue (and in the window
      // surfaces) is dealt with outside the timing.
      PumpMessages();
      for (int i = 0; i < warmups; ++i) TimeOnce(figure);
      std::vector<double> samples;
      samples.reserve(iterations);
      for (int i = 0; i < iterations; ++i) samples.push_back(TimeOnce(figure));
      figure.roundMedians.push_back(Median(samples));
    }
  }
}

void PrintSamples(const std::vector<TimedFigure>& figures) {
  for (const TimedFigure& figure : figures) {
    for (size_t round = 0; round < figure.roundMedians.size(); ++round) {
      std::printf("sample %s %u %.3f\n", figure.name.c_str(), static_cast<unsigned>(round + 1),
                  figure.roundMedians[round]);
    }
  }
  std::fflush(stdout);
}
