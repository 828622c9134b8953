#pragma once

#include <QString>

class QWidget;
struct Platform;
struct SaveResult;

// Where the PDF and CSV save dialogs start: the folder the user last saved one
// in, else the user's documents folder, never the data folders with the
// program's lock and recovery files.
QString proposedSavePath(const Platform &platform, const QString &fileName);
// After a file was saved at `path`: tells the status bar where, and remembers
// its folder for the next save dialog.
void noteSaved(Platform &platform, QWidget *parent, const QString &path);
// After writing a user's file (a PDF, a CSV): notes where as noteSaved, or
// tells the user that it failed, with the file and why. Returns whether it was saved.
bool reportSaved(Platform &platform, QWidget *parent, const SaveResult &result);
