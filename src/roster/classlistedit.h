#pragma once

#include "data/records.h"

#include <QList>
#include <QString>

#include <optional>

// Adding, deleting and ordering the classes of the class list, as the class
// list window does it.

// A category of special-support class: offered by its name, stored and put in
// the class title by its short form, so titles stay short.
struct SpecialSupportCategory
{
    QString name;
    QString shortName;
};
// Today's categories, in the order they are offered. A class list may hold
// others (older categories such as 情緒 or 虚弱): they are kept as stored.
QList<SpecialSupportCategory> specialSupportCategories();

// "普通", "特別支援" or "複式"; empty for an unknown kind. (Special-support
// classes keep their stored kind 1, once called 特殊.)
QString classKindName(int kind);

// What the class list window's boxes hold when 追加 is pressed.
struct ClassInput
{
    qint16 kind = OrdinaryClass;
    QString gradeText;
    QString grade2Text;
    QString className;
    QString category;
};

struct ClassFromInput
{
    std::optional<ClassEntry> entry;
    QString refusal; // the message when entry is empty
};

// The class the boxes describe. A grade is one digit from 1 to 9 ("3" or
// "３"); the title is built from the texts as typed, without the blanks around
// them. Refused with the window's message when a box the kind needs is empty,
// a grade is anything else or the title could not be a folder name.
ClassFromInput classFromInput(const ClassInput &input);

// Appends `entry`; the message when the list is full or already has a class
// of that title (the two would share one folder).
std::optional<QString> addClass(ClassList &list, const ClassEntry &entry);

// Deletes the classes at indexes first..last (either order, clipped to the
// used entries); later classes move up. Returns how many were deleted.
int deleteClasses(ClassList &list, int first, int last);

// Orders the classes: ordinary, then multi-grade, then special-support
// classes; within a kind by grade, second grade and class name. Classes that
// agree on all of these keep their order.
void SortClassList(ClassList &list);
