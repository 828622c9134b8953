#include "busymonth.h"
#include "data/session.h"
#include "print/pdfdocument.h"
#include "print/recordingsurface.h"
#include "print/registersheets.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

// Text layout needs the GUI side of Qt; the benchmarks draw offscreen.
void ensureGuiApplication()
{
    static int argc = 1;
    static char name[] = "bench_core";
    static char *argv[] = {name, nullptr};
    if (QGuiApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);
}

Session busySession()
{
    Session session;
    session.Register = BusyMonth::busyMonth();
    session.State.HeiseiYear = qint16(BusyMonth::Year - 1988);
    session.State.Month = qint16(BusyMonth::Month);
    session.State.ClassGrade = 1;
    session.State.ClassName = QStringLiteral("2");
    return session;
}

PrintJob frontSheetWithData()
{
    PrintJob job;
    job.PrintOptions = 31;
    return job;
}

void FrontSheetToRecording(benchmark::State &state)
{
    ensureGuiApplication();
    const Session session = busySession();
    for (auto _ : state) {
        RecordingSurface surface;
        PrintJob job = frontSheetWithData();
        benchmark::DoNotOptimize(PrintRegisterSheets(surface, job, session, QDate(2026, 12, 7)));
    }
}

void FrontSheetToPdf(benchmark::State &state)
{
    ensureGuiApplication();
    const Session session = busySession();
    for (auto _ : state) {
        PdfDocument pdf(QStringLiteral("出席簿"));
        PrintJob job = frontSheetWithData();
        PrintRegisterSheets(pdf.surface(), job, session, QDate(2026, 12, 7));
        benchmark::DoNotOptimize(pdf.bytes().size());
    }
}

} // namespace

BENCHMARK(FrontSheetToRecording)->Unit(benchmark::kMicrosecond);
BENCHMARK(FrontSheetToPdf)->Unit(benchmark::kMillisecond);
