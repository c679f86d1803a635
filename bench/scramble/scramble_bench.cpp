// A game start's scramble at its longest, 37 clicks, each ending with its
// immediate repaint of the view, in the real main window shown on screen:
// the proper pattern restored, then 37 clicks on random parts, as the start
// button does after drawing 37. Run it on an X server (QT_QPA_PLATFORM=xcb,
// e.g. under Xvfb); the counter `paints` checks that every click repainted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWindow>

#include <cstdio>
#include <iostream>

#include "puzzle/system.h"
#include "ui/embedded.h"
#include "ui/form1.h"
#include "ui/program.h"
#include "ui/tapplication.h"

namespace {

constexpr int kClicks = 37;

// Counts the paint events the view receives.
class PaintCounter : public QObject {
 public:
  long paints = 0;
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

void BM_Scramble37WithRepaints(benchmark::State& state) {
  veldamo::ui::TForm1* form = veldamo::ui::Form1;
  PaintCounter counter;
  form->Image1->installEventFilter(&counter);
  veldamo::Random32 random(37);
  for (auto _ : state) {
    form->PandaInit();
    for (int k = 0; k < kClicks; ++k) form->ClickHere(random.Below(veldamo::kCellCount) + 1);
  }
  form->Image1->removeEventFilter(&counter);
  state.counters["paints"] = benchmark::Counter(static_cast<double>(counter.paints),
                                                benchmark::Counter::kAvgIterations);
  state.SetLabel(QGuiApplication::platformName().toStdString());
}
BENCHMARK(BM_Scramble37WithRepaints)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  veldamo::ui::TApplication app;
  if (!veldamo::ui::StartVeldamo(app, veldamo::ui::EmbeddedResources(), std::cerr)) return 1;
  veldamo::ui::TForm1* form = veldamo::ui::Form1;
  form->show();
  // Until the window is on the screen and has painted once.
  QElapsedTimer waited;
  waited.start();
  while (form->windowHandle() == nullptr || !form->windowHandle()->isExposed()) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (waited.elapsed() > 10'000) {
      std::fprintf(stderr, "scramble_bench: the window was never shown\n");
      return 1;
    }
  }
  QApplication::processEvents();

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  form->close();
  return 0;
}
