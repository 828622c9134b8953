#include "pagetrace.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

double rounded(double millimetres)
{
    return std::round(millimetres * 100) / 100;
}

QString kindName(PageOperation::Kind kind)
{
    switch (kind) {
    case PageOperation::Kind::Text:
        return u"text"_s;
    case PageOperation::Kind::Line:
        return u"line"_s;
    case PageOperation::Kind::Box:
        return u"box"_s;
    case PageOperation::Kind::Fill:
        return u"fill"_s;
    }
    return {};
}

QJsonObject item(const PageOperation &operation)
{
    QJsonObject object{{u"kind"_s, kindName(operation.kind)}, {u"colour"_s, operation.colour}};
    if (operation.kind == PageOperation::Kind::Text) {
        object.insert(u"x"_s, rounded(operation.from.x()));
        object.insert(u"y"_s, rounded(operation.from.y()));
        object.insert(u"text"_s, operation.text);
        object.insert(u"size"_s, rounded(operation.points));
        return object;
    }
    object.insert(u"x1"_s, rounded(operation.from.x()));
    object.insert(u"y1"_s, rounded(operation.from.y()));
    object.insert(u"x2"_s, rounded(operation.to.x()));
    object.insert(u"y2"_s, rounded(operation.to.y()));
    if (operation.kind != PageOperation::Kind::Fill)
        object.insert(u"width"_s, operation.width);
    return object;
}

bool blankText(const PageOperation &operation)
{
    return operation.kind == PageOperation::Kind::Text && operation.text.trimmed().isEmpty();
}

} // namespace

QByteArray pageTraceJson(const RecordingSurface &surface)
{
    QByteArray json = "{\"paper\":{\"width\":" + QByteArray::number(surface.paper().width())
                      + ",\"height\":" + QByteArray::number(surface.paper().height()) + "},\"pages\":[";
    const QList<RecordedPage> &pages = surface.pages();
    for (qsizetype page = 0; page < pages.size(); ++page) {
        json += page == 0 ? "\n[" : ",\n[";
        bool first = true;
        for (const PageOperation &operation : pages[page]) {
            if (blankText(operation))
                continue;
            json += first ? "\n" : ",\n";
            json += QJsonDocument(item(operation)).toJson(QJsonDocument::Compact);
            first = false;
        }
        json += "]";
    }
    json += "]}\n";
    return json;
}
