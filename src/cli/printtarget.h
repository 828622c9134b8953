#pragma once

#include "commands.h"

#include "print/pagesurface.h"
#include "print/printjob.h"

// Where `veltra-cli print` sends its run: a PDF file, a JSON trace of the
// drawing operations, or a printer by name.
struct PrintTarget
{
    enum class Kind { Pdf, Trace, Printer };

    Kind kind = Kind::Pdf;
    QString name;             // file path or printer name
    SimulatedMargins margins; // PDF and trace only; a printer has its own
};

// Runs `run` on the target's surface and delivers the result.
ExitStatus printTo(const PrintTarget &target, const QString &title, const PrintRun &run, CommandOutput &output);
