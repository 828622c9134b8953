#pragma once

#include "startoptions.h"

#include <QString>

#include <optional>

struct Platform;

// Settings-store place of the work folder chosen from the menu entry.
inline const QString WorkFolderSection = QStringLiteral("Start");
inline const QString WorkFolderKey = QStringLiteral("WorkFolder");

// The work folder of this run, an absolute path, by the command line:
// - none: `currentDirectory`, as always when started from a shell;
// - --work-folder DIR: DIR, which must exist;
// - --last-work-folder: the folder chosen before; on first start (or when
//   that folder is gone) asks whether to use 出席簿 in `documentsFolder`,
//   creating it, or lets the user pick another;
// - --choose-work-folder: lets the user pick a folder.
// A folder the user chooses is remembered in the settings store. Nothing when
// the user cancels or the folder cannot be used (the user has been told).
std::optional<QString> chooseWorkFolder(const StartOptions &options, Platform &platform,
                                        const QString &currentDirectory, const QString &documentsFolder);
