#include "../tests/roster/rosterfiles.h"
#include "roster/textlistimport.h"

#include <benchmark/benchmark.h>

namespace {

// A grade's roster file of a large school: four classes of 40 pupils, shifted.
QByteArray largeGradeFile()
{
    RosterBuilder builder;
    builder.marker = 10000;
    for (int i = 0; i < 160; ++i)
        builder.add(u"架空　児童"_s + QString::number(i + 1), QString::number(i / 40 + 1), i % 2, i % 40 + 1);
    return builder.shifted();
}

void RosterFileRead(benchmark::State &state)
{
    const QByteArray bytes = largeGradeFile();
    for (auto _ : state) {
        RosterFile::Roster roster;
        benchmark::DoNotOptimize(RosterFile::fromBytes(bytes, roster));
        benchmark::DoNotOptimize(roster.pupils.size());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(RosterFileRead);

void TextListImport(benchmark::State &state)
{
    QString text = u"氏名,性別\r\n"_s;
    for (int i = 0; i < PupilWorkingLimit; ++i)
        text += u"架空　児童%1,%2\r\n"_s.arg(i + 1).arg(i % 2 ? u"女"_s : u"男"_s);
    const QByteArray bytes = text.toUtf8();
    for (auto _ : state)
        benchmark::DoNotOptimize(importTextList(bytes, TextLayout::NamesAndSexes, 0, u"list.csv"_s));
}
BENCHMARK(TextListImport);

} // namespace
