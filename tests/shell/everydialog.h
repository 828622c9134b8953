#pragma once

#include "calendar/windows/holidayform.h"
#include "print/windows/printdestination.h"
#include "print/windows/printdialog.h"
#include "roster/windows/classsetform.h"
#include "roster/windows/newyearform.h"
#include "roster/windows/rosterform.h"
#include "shell/windows/environmentdialog.h"
#include "shell/windows/folderdialog.h"
#include "shell/windows/monthdialog.h"
#include "shell/windows/totalsdialog.h"
#include "shell/windows/versiondialog.h"
#include "shellfixture.h"
#include "totals/windows/periodsform.h"

#include <memory>

// Every dialog that remembers its place, by window name, on a fixture whose
// month (April 2026 of 1年2組) is open; DialogHost opens these and VER_FORM.
inline const QStringList RememberedDialogs{
    QStringLiteral("F_SET"),    QStringLiteral("F_SET2"),    QStringLiteral("USER_SET"),  QStringLiteral("DF_SET"),
    QStringLiteral("HOLIDAY"),  QStringLiteral("PRT_ROLL"),  QStringLiteral("CLASS_SET"), QStringLiteral("MEIBO_F"),
    QStringLiteral("NEW_YEAR"), QStringLiteral("PERIOD_SET")};

class NoPrinter : public PrintDestination
{
public:
    QString name() const override { return {}; }
    PrintResult print(const PrintRun &) override { return PrintResult::DeviceFailed; }
};

struct DialogHost
{
    explicit DialogHost(ShellFixture &shell)
        : fixture(shell)
    {
        fixture.addClass(QStringLiteral("1年2組"));
        AppState &state = fixture.session.State;
        state.HeiseiYear = 38;
        state.Month = 4;
        state.ClassGrade = 1;
        state.ClassName = QStringLiteral("2");
        state.ClassTitle = QStringLiteral("1年2組");
        fixture.session.Register.PupilCount = 1;
        fixture.session.Register.Pupils[0].Name = QStringLiteral("山田 太郎");
        parent.setGeometry(40, 30, 720, 540); // inside the offscreen screen of 800 × 600
    }

    std::unique_ptr<QDialog> open(const QString &name)
    {
        Session &session = fixture.session;
        Platform &platform = fixture.test.platform;
        if (name == QStringLiteral("F_SET"))
            return std::make_unique<MonthDialog>(session, platform, &parent);
        if (name == QStringLiteral("F_SET2"))
            return std::make_unique<TotalsDialog>(session, platform, &parent);
        if (name == QStringLiteral("USER_SET"))
            return std::make_unique<EnvironmentDialog>(session, platform, &parent);
        if (name == QStringLiteral("DF_SET"))
            return std::make_unique<FolderDialog>(session, platform, QString(), &parent);
        if (name == QStringLiteral("HOLIDAY"))
            return std::make_unique<HolidayForm>(session, platform, nullptr, &parent);
        if (name == QStringLiteral("PRT_ROLL"))
            return std::make_unique<PrintDialog>(session, platform, printer, &parent);
        if (name == QStringLiteral("CLASS_SET"))
            return std::make_unique<ClassSetForm>(session, platform, &parent);
        if (name == QStringLiteral("NEW_YEAR"))
            return std::make_unique<NewYearForm>(session, platform, &parent);
        if (name == QStringLiteral("PERIOD_SET"))
            return std::make_unique<PeriodsForm>(session, platform, &parent);
        if (name == QStringLiteral("VER_FORM"))
            return std::make_unique<VersionDialog>(&parent);
        return std::make_unique<RosterForm>(session, platform, nullptr, &parent);
    }

    ShellFixture &fixture;
    QWidget parent;
    NoPrinter printer;
};
