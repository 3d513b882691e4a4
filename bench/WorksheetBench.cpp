// A teacher's largest order: 50 sheets of 20 tasks with the answer key, as an
// A4 PDF with embedded fonts, written to memory. Also the sheets alone, to
// tell the generators' share from the painting and the PDF's.

#include "arbeitsblatt/SheetPainter.h"

#include <QBuffer>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

quarvel::WorksheetRequest Largest(quarvel::Training training) {
    return {training, 5, quarvel::kMaxSheets, 20, 1234, "Probe", true};
}

void Sheets(benchmark::State& bench, quarvel::Training training) {
    const quarvel::WorksheetRequest request = Largest(training);
    for (auto _ : bench)
        benchmark::DoNotOptimize(quarvel::MakeWorksheets(request));
}

void Pdf(benchmark::State& bench, quarvel::Training training) {
    const quarvel::WorksheetRequest request = Largest(training);
    qint64 bytes = 0;
    for (auto _ : bench) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QString error;
        if (!quarvel::WritePdf(buffer, request, quarvel::MakeWorksheets(request), error)) {
            bench.SkipWithError(error.toStdString().c_str());
            break;
        }
        bytes = buffer.size();
    }
    bench.counters["KiB"] = static_cast<double>(bytes) / 1024.0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    using quarvel::Training;
    for (const auto& [name, training] :
         {std::pair{"Alle", Training::Alle}, std::pair{"DekNum", Training::DekNum}}) {
        benchmark::RegisterBenchmark((std::string("Sheets50x20/") + name).c_str(), Sheets, training)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Pdf50x20WithKey/") + name).c_str(), Pdf,
                                     training)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
