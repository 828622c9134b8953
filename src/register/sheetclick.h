#pragma once

#include <QPoint>

// What a click on the pupil rows (D_LIST) acts on. Coordinates are sheet
// twips, scroll offset included, so y / 240 is the pupil index.
struct SheetHit
{
    enum class Target {
        None,         // outside the rows that react
        EmptyRowRest, // the empty row beyond the grade and name columns: hides the underline
        TableFull,    // grade or name of the row after the 46th pupil: no pupil can be added
        Number,       // NO column: select the pupil
        Grade,
        Name,
        Sex,
        Day,
    };

    Target target = Target::None;
    int row = 0;
    int day = 0; // day index, for Target::Day

    friend bool operator==(const SheetHit &, const SheetHit &) = default;
};

// Only the pupils and the first empty row under them react, never a row past
// the 46th (its grade and name say that the table is full), and nothing right
// of the day columns.
SheetHit hitTest(QPoint at, int pupilCount, int classKind);
