#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The line format shared by every data file: items separated by commas, texts
// in double quotes without escaping, numbers as plain decimal digits, CR LF
// after each line, all in code page 932.

// Builds a file line by line. Texts are written as StoredText::asStored gives
// them (＂ for a double quote, blanks for line breaks and other control
// characters, look-alikes mapped); a character that code page 932 cannot hold
// is refused and remembered in error().
class RecordWriter
{
public:
    RecordWriter &number(qint64 value);
    RecordWriter &text(const QString &value);
    // A text without quotes, for the short codes some files keep bare (a mark).
    RecordWriter &word(const QString &value);
    RecordWriter &spares(int count);
    void endLine();

    // The file's bytes, or an empty array and the refusal in `error`.
    QByteArray result(QString *error) const;

private:
    void separate();
    void append(const QString &value);

    QByteArray m_bytes;
    bool m_lineStarted = false;
    QString m_error;
};

// Reads a file line by line. Each line is split into its items; a line may
// hold more items than a record uses (they are ignored) but not fewer.
class RecordReader
{
public:
    explicit RecordReader(const QByteArray &bytes);

    // Moves to the next line; false (with error()) when the file has ended or
    // the line has fewer than minimumItems items.
    bool nextLine(int minimumItems);
    // True when no line is left (a file of any number of lines).
    bool atEnd() const { return m_position >= m_bytes.size(); }

    // Item access on the current line; false with error() on a bad item.
    bool number(int index, qint64 minimum, qint64 maximum, qint64 &value);
    bool number16(int index, qint16 &value) { return numberInto(index, value); }
    bool number32(int index, qint32 &value) { return numberInto(index, value); }
    bool text(int index, QString &value);

    int lineNumber() const { return m_lineNumber; }
    QString error() const { return m_error; }

private:
    template<typename Int> bool numberInto(int index, Int &value);
    bool fail(const QString &message);

    QByteArray m_bytes;
    qsizetype m_position = 0;
    int m_lineNumber = 0;
    QList<QByteArray> m_items;
    QString m_error;
};

template<typename Int> bool RecordReader::numberInto(int index, Int &value)
{
    qint64 wide = 0;
    if (!number(index, std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max(), wide))
        return false;
    value = Int(wide);
    return true;
}
