#pragma once

#include "recordingsurface.h"

#include <QByteArray>

// The recorded pages as JSON, in drawing order:
// {"paper":{"width":297,"height":210},"pages":[[ITEM,…],…]} with one item per
// text, line, box or filled box, coordinates in mm from the paper's corner
// rounded to 0.01. Texts that are empty or only blanks are left out.
QByteArray pageTraceJson(const RecordingSurface &surface);
