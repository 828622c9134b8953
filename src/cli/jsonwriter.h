#pragma once

#include <QByteArray>
#include <QString>

// Writes compact UTF-8 JSON with the keys in the order they are given
// (QJsonObject would sort them). Commas are placed automatically.
class JsonWriter
{
public:
    JsonWriter &beginObject();
    JsonWriter &endObject();
    JsonWriter &beginArray();
    JsonWriter &endArray();
    JsonWriter &key(const QString &name);
    JsonWriter &value(qint64 number);
    JsonWriter &value(const QString &text);
    JsonWriter &boolean(bool value);
    JsonWriter &null();
    // A non-negative number with one decimal, given in tenths: 200 → 20.0.
    JsonWriter &tenths(qint64 tenths);

    template<typename Numbers> JsonWriter &numbers(const Numbers &values)
    {
        beginArray();
        for (const auto number : values)
            value(qint64(number));
        return endArray();
    }
    template<typename Texts> JsonWriter &texts(const Texts &values)
    {
        beginArray();
        for (const QString &text : values)
            value(text);
        return endArray();
    }

    // The document written so far, ended by a line break.
    QByteArray document() const { return m_bytes + '\n'; }

private:
    JsonWriter &open(char bracket);
    JsonWriter &close(char bracket);
    JsonWriter &scalar(const QByteArray &json);
    void separate();

    QByteArray m_bytes;
    bool m_needsComma = false;
};
