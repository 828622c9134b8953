#pragma once

#include "fileio.h"

#include <QList>
#include <QString>
#include <QStringList>

// The categories a day mark's reason is chosen from: the lists of the daily
// school absentee surveillance, and what the school has added to them. The
// additions are kept in REASONS.CSD in the work folder, one `mark,"category"`
// line each, so every computer of the school offers the same lists.
class ReasonCategories
{
public:
    struct Addition
    {
        int markCode = 0;
        QString name;

        friend bool operator==(const Addition &, const Addition &) = default;
    };

    static constexpr int NameLimit = 20;

    // 病 to ﾁ carry reasons; no other mark does.
    static bool carriesReasons(int markCode);
    // A hint shown beside a category, such as what 急性呼吸器症状 covers; empty for most.
    static QString hint(const QString &category);

    // The mark's list: the surveillance categories, then the school's additions.
    QStringList forMark(int markCode) const;
    // True when `categories` is not empty and each belongs to the mark's list.
    bool allows(int markCode, const QStringList &categories) const;

    const QList<Addition> &additions() const { return m_additions; }
    // Adds a category to a mark's list; the refusal message, empty when added.
    QString add(int markCode, const QString &name);
    void remove(const Addition &addition) { m_additions.removeAll(addition); }

    QByteArray toBytes(QString *error) const;
    LoadResult fromBytes(const QByteArray &bytes);

private:
    QList<Addition> m_additions;
};

namespace ReasonCategoriesFile {

QString filePath(const QString &workFolder);
// A missing file is no additions, and reads as success.
LoadResult load(const QString &workFolder, ReasonCategories &categories);
SaveResult save(const QString &workFolder, const ReasonCategories &categories);

} // namespace ReasonCategoriesFile
