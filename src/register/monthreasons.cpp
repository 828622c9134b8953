#include "monthreasons.h"

#include "data/reasonfile.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace MonthReasons {

namespace {

constexpr int NotesShown = 8;

// "2026_12.RSN.20261210-081500.unread", beside the file.
QString copyAside(const QString &path, const QDateTime &now)
{
    const QString target = path + now.toString(u".yyyyMMdd-HHmmss"_s) + u".unread"_s;
    return QFile::copy(path, target) ? target : QString();
}

} // namespace

QString read(const QString &path, const ReasonCategories &categories, RegisterMonth &month, const QDateTime &now)
{
    QStringList notes;
    const LoadResult loaded = ReasonFile::load(path, month, categories, notes);
    if (loaded.ok() && notes.isEmpty())
        return {};
    QString message = u"欠席理由の一部を読み込めませんでした\n"_s + QDir::toNativeSeparators(path);
    for (const QString &note : notes.mid(0, NotesShown))
        message += u"\n・"_s + note;
    if (notes.size() > NotesShown)
        message += u"\n（ほか%1件）"_s.arg(notes.size() - NotesShown);
    if (loaded.unreadable()) {
        const QString kept = copyAside(path, now);
        message += kept.isEmpty() ? u"\n\n元のファイルを別の名前で残せませんでした。"_s
                                  : u"\n\n元のファイルを次の名前で残しました\n"_s + QDir::toNativeSeparators(kept);
    }
    return message;
}

} // namespace MonthReasons
