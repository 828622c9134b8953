#pragma once

#include "data/fileio.h"
#include "schooltotals.h"
#include "totals.h"

#include <QByteArray>
#include <QString>

// The totals as a CSV file for spreadsheets and the school's records: code
// page 932 (what Japanese spreadsheet programs open directly), CR LF line
// ends, fields quoted only where a comma, quote or line break needs it.
namespace TotalsCsv {

enum class Layout {
    Totals,  // the totals table: NO, 学年, 氏名, 性別, 授業日数, the eleven counters
    Records, // the attendance section of the permanent record (指導要録), in its order
};

// One field as RFC 4180 writes it; a text that starts with =, +, - or @ gets a
// leading ' so that a spreadsheet shows it as text, not as a formula.
QString field(const QString &text);
// A CSV text's bytes in code page 932; empty and `error` set when a character
// cannot be stored.
QByteArray encoded(const QString &csv, QString *error);

QString toText(const Totals &totals, Layout layout);
// The file's bytes; empty and `error` set when a name holds a character that
// code page 932 cannot store.
QByteArray toBytes(const Totals &totals, Layout layout, QString *error = nullptr);

// Writes atomically; a failure leaves any previous file as it was.
SaveResult save(const QString &path, const Totals &totals, Layout layout);

// Every class of the school in one file, the classes one after the other and
// each line led by its class (学級), numbered within its class.
QString toText(const QList<ClassTotals> &school, Layout layout);
SaveResult save(const QString &path, const QList<ClassTotals> &school, Layout layout);

} // namespace TotalsCsv
