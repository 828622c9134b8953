#include "registerdata.h"

#include "pagefont.h"

#include "data/session.h"

using namespace Qt::StringLiterals;

namespace {

// Centred in the gap of `width` mm that starts at `left`.
void printCentred(PageSurface &surface, const QString &text, double left, double width, double y)
{
    surface.moveTo(left + (width - surface.textWidth(text)) / 2, y);
    surface.printText(text);
}

void printClassName(PageSurface &surface, const QString &name)
{
    if (surface.textWidth(name) < 20) {
        printCentred(surface, name, 140, 20, 23);
        return;
    }
    surface.setFont(PageFont::shrinkToFit(name, 16, 9, 18));
    surface.moveTo(141, 23);
    surface.printText(name);
}

} // namespace

void DrawTitleValues(const SheetPrint &print, Sheet sheet)
{
    PageSurface &surface = print.surface;
    const AppState &state = print.session.State;
    surface.setFont(16);
    printCentred(surface, JapaneseEra::yearText(print.era().year), 31, 9, 23);
    printCentred(surface, QString::number(state.Month), 45, 9, 23);

    surface.setFont(16);
    if (state.ClassKind == OrdinaryClass) {
        printCentred(surface, QString::number(state.ClassGrade), 120, 9, 23);
        printClassName(surface, state.ClassName.trimmed());
    } else {
        const QString text = state.ClassKind == MultiGradeClass
                                 ? u"第 %1・%2学年"_s.arg(state.ClassGrade).arg(state.ClassGrade2)
                                 : state.ClassName.trimmed() + u'(' + state.ClassCategory.trimmed() + u')';
        surface.moveTo(state.ClassKind == MultiGradeClass ? 115 : 120, 23);
        surface.printText(text);
    }

    DrawDayHeadings(print, sheet);
    surface.setFont(10);
    surface.moveTo(230, 21);
    surface.printText(print.session.Register.TeacherName.trimmed());
}
