#include "jsonwriter.h"

JsonWriter &JsonWriter::beginObject()
{
    beforeValue();
    m_bytes += '{';
    m_needsComma = false;
    return *this;
}

JsonWriter &JsonWriter::endObject()
{
    m_bytes += '}';
    m_needsComma = true;
    return *this;
}

JsonWriter &JsonWriter::beginArray()
{
    beforeValue();
    m_bytes += '[';
    m_needsComma = false;
    return *this;
}

JsonWriter &JsonWriter::endArray()
{
    m_bytes += ']';
    m_needsComma = true;
    return *this;
}

JsonWriter &JsonWriter::key(const QString &name)
{
    beforeValue();
    appendString(name);
    m_bytes += ':';
    m_needsComma = false;
    return *this;
}

JsonWriter &JsonWriter::value(qint64 number)
{
    beforeValue();
    m_bytes += QByteArray::number(number);
    m_needsComma = true;
    return *this;
}

JsonWriter &JsonWriter::value(const QString &text)
{
    beforeValue();
    appendString(text);
    m_needsComma = true;
    return *this;
}

JsonWriter &JsonWriter::null()
{
    beforeValue();
    m_bytes += "null";
    m_needsComma = true;
    return *this;
}

void JsonWriter::beforeValue()
{
    if (m_needsComma)
        m_bytes += ',';
}

void JsonWriter::appendString(const QString &text)
{
    m_bytes += '"';
    for (const char byte : text.toUtf8()) {
        switch (byte) {
        case '"':
            m_bytes += "\\\"";
            break;
        case '\\':
            m_bytes += "\\\\";
            break;
        case '\n':
            m_bytes += "\\n";
            break;
        case '\r':
            m_bytes += "\\r";
            break;
        case '\t':
            m_bytes += "\\t";
            break;
        default:
            if (byte >= 0 && byte < 0x20)
                m_bytes += "\\u00" + QByteArray::number(byte, 16).rightJustified(2, '0');
            else
                m_bytes += byte;
        }
    }
    m_bytes += '"';
}
