// Click to result: a QTest mouse click on Command1, timed until Label8 holds
// the new text. Run offscreen with --benchmark_repetitions=10
// --benchmark_report_aggregates_only=true for medians.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "application_look.h"
#include "form1.h"

namespace {

void ClickToResult(benchmark::State& state, const char* locale, const char* flow,
                   const char* pressure, const char* button) {
  QLocale::setDefault(QLocale(QLatin1String(locale)));
  velmora::UseApplicationLook();
  Form1 form;
  form.show();
  form.findChild<QRadioButton*>(QStringLiteral("Option4"))->setChecked(true);
  form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QLatin1String(flow));
  form.findChild<QComboBox*>(QStringLiteral("Combo1"))->setEditText(QLatin1String(pressure));
  auto* command = form.findChild<QPushButton*>(QLatin1String(button));
  auto* result = form.findChild<QLabel*>(QStringLiteral("Label8"));
  for (auto _ : state) {
    state.PauseTiming();
    result->clear();
    state.ResumeTiming();
    QTest::mouseClick(command, Qt::LeftButton);
    benchmark::DoNotOptimize(result->text().isEmpty());
  }
  if (result->text().isEmpty()) state.SkipWithError("the click showed no result");
}

void BM_ClickScrewPoint(benchmark::State& state) {
  ClickToResult(state, "en_US", "4", "0.9", "Command1");
}
void BM_ClickScrewComma(benchmark::State& state) {
  ClickToResult(state, "tr_TR", "4", "0,9", "Command1");
}
void BM_ClickPistonComma(benchmark::State& state) {
  ClickToResult(state, "tr_TR", "4", "0,9", "Command2");
}

}  // namespace

BENCHMARK(BM_ClickScrewPoint);
BENCHMARK(BM_ClickScrewComma);
BENCHMARK(BM_ClickPistonComma);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
