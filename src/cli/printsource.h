#pragma once

#include "commands.h"

#include "data/session.h"
#include "print/yeararchive.h"

// What `veltra-cli print` prints from: the work folder's settings and class
// list, and the month files of one class. Each failure is written to the
// command's output and returned as its exit status.
class PrintSource
{
public:
    explicit PrintSource(CommandOutput &output)
        : m_output(output)
    {}

    // ROLL.SEW and CLASS.CSD of `workFolder`.
    std::optional<ExitStatus> loadWorkFolder(const QString &workFolder);
    // The class of that title in the class list.
    std::optional<ExitStatus> chooseClass(const QString &title);
    // The month file `path` of the class its folder names, with its figures.
    std::optional<ExitStatus> loadMonth(const QString &path);
    // Every month file of the chosen class's school year `gregorianYear`, April
    // to March; missing months are named on stderr and left out.
    std::optional<ExitStatus> loadSchoolYear(int gregorianYear);

    // The open month, or the chosen class with no month for blank sheets.
    const Session &session() const { return m_session; }
    // The months of the last loadSchoolYear.
    const QList<const Session *> &months() const { return m_archive.months(); }
    // The last loadSchoolYear found no month file at all (nothing unreadable).
    bool yearWithoutMonths() const { return m_archive.months().isEmpty() && !m_archive.failure(); }

private:
    CommandOutput &m_output;
    Session m_session;
    YearArchive m_archive;
};
