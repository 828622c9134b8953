#pragma once

#include "data/fileio.h"
#include "data/session.h"

#include <QList>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

// The months of one class's school year, April to March, each with its data
// and figures: what PrintSchoolYear puts in the year-end archive.
class YearArchive
{
public:
    // Reads the month files of the class that `base`'s state names from its
    // data folder, for the school year that begins in April of `schoolYear`.
    // `openMonth` is the month open in the editor, taken as it stands in memory:
    // its file is written only when the editor closes.
    static YearArchive load(const Session &base, int schoolYear, const Session *openMonth = nullptr);

    // The class's folder of that school year.
    const QString &folder() const { return m_folder; }
    // The months found, in school-year order.
    const QList<const Session *> &months() const { return m_months; }
    // Month files that do not exist; those months are left out.
    const QStringList &missingFiles() const { return m_missing; }
    // The first month file that exists but could not be read; no months then.
    const std::optional<LoadResult> &failure() const { return m_failure; }

private:
    QString m_folder;
    std::vector<std::unique_ptr<Session>> m_loaded;
    QList<const Session *> m_months;
    QStringList m_missing;
    std::optional<LoadResult> m_failure;
};
