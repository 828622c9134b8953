// One click on a day cell of a full register (46 pupils, a 31-day month):
// the mark changes, the month's statistics are recomputed and the three sheet
// surfaces (K_LIST, D_LIST, C_LIST) are repainted whole, at their places, into
// an offscreen image of the window's size.

#include "data/registerfont.h"
#include "data/session.h"
#include "register/windows/rollform.h"
#include "register/windows/sheetsurface.h"
#include "testplatform.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

void fillRegister(Session &session)
{
    session.State.HeiseiYear = 16; // May 2004: 31 days
    session.State.Month = 5;
    session.State.ClassTitle = u"1年2組"_s;
    RegisterMonth &month = session.Register;
    month.TeacherName = u"山田花子"_s;
    const int holidays[] = {1, 2, 3, 4, 5, 8, 9, 15, 16, 22, 23, 29, 30};
    for (int day : holidays)
        month.HolidayList[month.HolidayCount++] = {qint16(day), u"休日"_s, u"休"_s};
    const QString marks[] = {u"病"_s, u"事"_s, u"遅"_s, u"ソ"_s, u"ﾁ"_s, u"キ"_s};
    month.PupilCount = PupilWorkingLimit;
    for (int i = 0; i < PupilWorkingLimit; ++i) {
        PupilRecord &pupil = month.Pupils[i];
        pupil.Name = u"出席番号%1番の児童"_s.arg(i + 1);
        pupil.Sex = i % 2 ? u"女"_s : u"男"_s;
        for (int d = i % 5; d < 31; d += 7)
            pupil.Marks[d] = marks[(i + d) % 6];
    }
}

void clickOnDayCell(benchmark::State &state)
{
    TestPlatform platform;
    Session session;
    fillRegister(session);
    session.State.MonthFolder = platform.folder.path();
    RollForm form(session, platform.platform);
    form.resize(1400, 1000);
    form.show();
    QApplication::processEvents();

    SheetSurface *rows = form.findChild<SheetSurface *>(u"D_LIST"_s);
    const QPointF cell(rows->twipsToX(2800 + 240 * 12 + 120), rows->twipsToY(240 * 20 + 120));
    const QList<QWidget *> surfaces{form.findChild<QWidget *>(u"K_LIST"_s), rows,
                                    form.findChild<QWidget *>(u"C_LIST"_s)};
    QImage image(form.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QMouseEvent press(QEvent::MouseButtonPress, cell, rows->mapToGlobal(cell), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, cell, rows->mapToGlobal(cell), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(rows, &press);
        QApplication::sendEvent(rows, &release);
        QPainter painter(&image);
        for (QWidget *surface : surfaces)
            surface->render(&painter, surface->mapTo(&form, QPoint()));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    form.close();
}
BENCHMARK(clickOnDayCell)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QFont::insertSubstitutions(RegisterFontFamily, {u"IPAexMincho"_s, u"Noto Serif CJK JP"_s});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
