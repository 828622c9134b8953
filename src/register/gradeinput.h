#pragma once

#include <QString>

#include <optional>

// The grade typed into the grade box.
namespace GradeInput {

inline constexpr int Highest = 99;

// The number a text begins with, read as a decimal parser does: leading blanks
// skipped, then sign, digits, decimal point and exponent up to the first
// character that cannot belong to a number; 0 when there is none. Full-width
// digits count as digits.
double leadingNumber(const QString &text);

// The grade a text stands for: its leading number rounded to the nearest
// integer, halves to even (" 2" and "2.5" give 2, "3.5" gives 4, "abc" 0).
// Nothing when that is negative or above Highest.
std::optional<qint16> parse(const QString &text);

// The message that refuses a text parse() gives nothing for.
QString refusal();

} // namespace GradeInput
