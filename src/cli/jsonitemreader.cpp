#include "jsonitemreader.h"

#include "data/storedtext.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

bool JsonItemReader::object(const QJsonValue &value, const QString &name, std::initializer_list<QString> keys,
                            QJsonObject &out)
{
    if (!value.isObject())
        return fail(name, u"オブジェクトではありません"_s);
    out = value.toObject();
    for (auto it = out.constBegin(); it != out.constEnd(); ++it) {
        if (std::find(keys.begin(), keys.end(), it.key()) == keys.end())
            return fail(member(name, it.key()), u"未知の項目です"_s);
    }
    return true;
}

bool JsonItemReader::integer(const QJsonObject &object, const QString &name, const QString &key, qint16 &out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return true;
    const double number = value.toDouble();
    if (!value.isDouble() || number != std::trunc(number) || number < std::numeric_limits<qint16>::min()
        || number > std::numeric_limits<qint16>::max())
        return fail(member(name, key), u"-32768 から 32767 までの整数ではありません"_s);
    out = qint16(number);
    return true;
}

bool JsonItemReader::text(const QJsonObject &object, const QString &name, const QString &key, QString &out)
{
    return text(object.value(key), member(name, key), out);
}

bool JsonItemReader::array(const QJsonObject &object, const QString &name, const QString &key, qsizetype maximum,
                           QJsonArray &out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return true;
    if (!value.isArray())
        return fail(member(name, key), u"配列ではありません"_s);
    out = value.toArray();
    if (out.size() > maximum)
        return fail(member(name, key), u"要素が %1 個を超えています"_s.arg(maximum));
    return true;
}

bool JsonItemReader::text(const QJsonValue &value, const QString &name, QString &out)
{
    if (value.isUndefined())
        return true;
    if (!value.isString())
        return fail(name, u"文字列ではありません"_s);
    out = value.toString();
    if (const auto refused = StoredText::firstRefused(out)) {
        m_refusedText = true;
        return fail(name, StoredText::refusalMessage(*refused));
    }
    return true;
}

QString JsonItemReader::member(const QString &name, const QString &key)
{
    return name.isEmpty() ? key : name + u'.' + key;
}

QString JsonItemReader::element(const QString &name, qsizetype index)
{
    return u"%1[%2]"_s.arg(name).arg(index);
}

bool JsonItemReader::fail(const QString &name, const QString &problem)
{
    m_error = (name.isEmpty() ? u"(JSON)"_s : name) + u": "_s + problem;
    return false;
}
