#pragma once

#include <memory>

class QTranslator;

// Qt's own dialogs and buttons (printer set-up, file dialogs, standard
// buttons) in Japanese, from the system's Qt translations (qtbase_ja.qm);
// nullptr when they are not installed.
std::unique_ptr<QTranslator> loadQtTranslations();
