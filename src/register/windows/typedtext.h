#pragma once

#include <QString>

#include <optional>

class QWidget;
struct Platform;

// A typed name as the month file will store it (a double quote becomes ＂,
// look-alikes are mapped); nothing, after telling the user which character
// it is, when the text holds one that cannot be stored (StoredText).
std::optional<QString> acceptTypedText(Platform &platform, QWidget *parent, const QString &typed);
