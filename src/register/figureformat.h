#pragma once

#include <QString>

#include <optional>

// The number formats of the register, shared by the sheet, the printout and
// the totals. Digit placeholders follow the classic format strings: "##" and
// "###" write nothing for zero, "##0.0" always at least "0.0". A number wider
// than its field is written whole.
namespace FigureFormat {

// "##" or "###": plain digits, empty for 0.
QString count(qint64 value);

// "##0.0" applied to tenths: 993 → "99.3", 5 → "0.5".
QString tenths(qint64 tenths);

// The attendance rate as shown: "99.3%", or empty when there is no rate.
QString rate(std::optional<int> tenthsOfPercent);

// 授業日数: "20日", or "日" alone for no school day ("##" writes nothing for 0).
QString schoolDays(qint64 days);

} // namespace FigureFormat
