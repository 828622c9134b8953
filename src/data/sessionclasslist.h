#pragma once

#include "fileio.h"

struct Session;

// The session's class list and its file CLASS.CSD in the work folder.

// Loads the list and remembers in the session whether the file could be read.
LoadResult loadSessionClassList(Session &session);

// Writes the list, but never over a CLASS.CSD that could not be read: until
// the user has agreed to replace it (ClassListUnreadable cleared) the save is
// refused and the file stays as it is.
SaveResult saveSessionClassList(const Session &session);
