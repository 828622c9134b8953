#include "jsonwriter.h"

namespace {

QByteArray quoted(const QString &text)
{
    QByteArray result = "\"";
    for (const char byte : text.toUtf8()) {
        switch (byte) {
        case '"':
            result += "\\\"";
            break;
        case '\\':
            result += "\\\\";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\t':
            result += "\\t";
            break;
        default:
            if (byte >= 0 && byte < 0x20)
                result += "\\u00" + QByteArray::number(byte, 16).rightJustified(2, '0');
            else
                result += byte;
        }
    }
    return result + '"';
}

} // namespace

JsonWriter &JsonWriter::beginObject()
{
    return open('{');
}

JsonWriter &JsonWriter::endObject()
{
    return close('}');
}

JsonWriter &JsonWriter::beginArray()
{
    return open('[');
}

JsonWriter &JsonWriter::endArray()
{
    return close(']');
}

JsonWriter &JsonWriter::key(const QString &name)
{
    separate();
    m_bytes += quoted(name) + ':';
    m_needsComma = false;
    return *this;
}

JsonWriter &JsonWriter::value(qint64 number)
{
    return scalar(QByteArray::number(number));
}

JsonWriter &JsonWriter::value(const QString &text)
{
    return scalar(quoted(text));
}

JsonWriter &JsonWriter::boolean(bool value)
{
    return scalar(value ? "true" : "false");
}

JsonWriter &JsonWriter::null()
{
    return scalar("null");
}

JsonWriter &JsonWriter::tenths(qint64 tenths)
{
    return scalar(QByteArray::number(tenths / 10) + '.' + QByteArray::number(tenths % 10));
}

JsonWriter &JsonWriter::open(char bracket)
{
    separate();
    m_bytes += bracket;
    m_needsComma = false;
    return *this;
}

JsonWriter &JsonWriter::close(char bracket)
{
    m_bytes += bracket;
    m_needsComma = true;
    return *this;
}

JsonWriter &JsonWriter::scalar(const QByteArray &json)
{
    separate();
    m_bytes += json;
    m_needsComma = true;
    return *this;
}

// A value or key follows another at the same level.
void JsonWriter::separate()
{
    if (m_needsComma)
        m_bytes += ',';
}
