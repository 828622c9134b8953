#pragma once

#include "data/records.h"

#include <QList>
#include <QString>

#include <optional>

// What an import of pupils gives: the rows to put into the open month and the
// messages to show, so the window and the command-line tool do the same.

enum class ImportMessageKind { Plain, Warning, Error };

struct ImportMessage
{
    QString text;
    QString title; // empty: the program's usual title
    ImportMessageKind kind = ImportMessageKind::Plain;

    friend bool operator==(const ImportMessage &, const ImportMessage &) = default;
};

// A message with an OK button and the program's usual title.
inline ImportMessage plainMessage(const QString &text)
{
    return {text, {}, ImportMessageKind::Plain};
}

inline const QString TooManyPupilsMessage = QStringLiteral("追加データが多すぎる為途中で中止しました");
inline const QString ReadFailedMessage = QStringLiteral("データの読込に失敗しました");

// Whether the source gave anything to import. A caller that writes the month
// writes only a Taken import, so a missing or refused source never empties it.
enum class ImportOutcome {
    Taken,    // the source was read (it may still have held no pupils)
    NoSource, // no last month, no roster file, a file that is missing or unreadable
    Refused,  // read but refused: lines that cannot be taken, another school's roster
};

struct PupilImport
{
    ImportOutcome outcome = ImportOutcome::Taken;
    // Rows carrying Name, Sex, RosterNo and Grade only.
    QList<PupilRecord> pupils;
    // The rows replace the month's list instead of following it.
    bool replacesList = false;
    // A teacher's name for a month that has none.
    std::optional<QString> teacherName;
    QList<ImportMessage> messages;
    // A file that could not be read or decoded; nothing of it was taken.
    QString unreadableFile;
};

// What an import read, as the roster window tells it: "30名を読み込みました
// （男15名・女15名）"; pupils without a sex are counted apart. Empty when it
// read no one.
QString importSummary(const PupilImport &import);

// Puts the import into `month`: appends the rows, or replaces the list.
void applyImport(RegisterMonth &month, const PupilImport &import);

// Takes rows up to a limit: the pupil list's 46 rows counting those already
// on it, or the 50 candidates of a register file. The first row beyond the
// limit adds TooManyPupilsMessage and every later row is refused.
class PupilCollector
{
public:
    PupilCollector(QList<PupilRecord> &rows, QList<ImportMessage> &messages, int rowsBefore,
                   int limit = PupilWorkingLimit);

    // False once the limit is reached.
    bool add(const PupilRecord &pupil);

private:
    QList<PupilRecord> &m_rows;
    QList<ImportMessage> &m_messages;
    int m_room;
    bool m_stopped = false;
};

// ReadFailedMessage naming the file, and an import that took nothing from it.
ImportMessage readFailedMessage(const QString &path);
PupilImport unreadableImport(const QString &path);

// A row with only the fields an import carries.
PupilRecord importedPupil(const QString &name, const QString &sex, qint16 rosterNo, qint16 grade);
