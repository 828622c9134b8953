#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <initializer_list>

// Reads the items of a parsed JSON document into records. A missing key keeps
// the record's default; a wrong type, a number outside 16 bits, an unknown key,
// an array too long or a text that a data file cannot store (StoredText) is
// refused, and error() names the item the way a path is written: "pupils[2].marks[4]".
class JsonItemReader
{
public:
    // `value` must be an object holding no keys but `keys`.
    bool object(const QJsonValue &value, const QString &name, std::initializer_list<QString> keys, QJsonObject &out);

    // The item `key` of `object`, itself named `name`.
    bool integer(const QJsonObject &object, const QString &name, const QString &key, qint16 &out);
    bool text(const QJsonObject &object, const QString &name, const QString &key, QString &out);
    bool array(const QJsonObject &object, const QString &name, const QString &key, qsizetype maximum, QJsonArray &out);

    bool text(const QJsonValue &value, const QString &name, QString &out);

    static QString member(const QString &name, const QString &key);
    static QString element(const QString &name, qsizetype index);

    QString error() const { return m_error; }
    // The refusal was a text's character, not the document's form.
    bool refusedText() const { return m_refusedText; }

private:
    bool fail(const QString &name, const QString &problem);

    QString m_error;
    bool m_refusedText = false;
};
