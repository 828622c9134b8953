#include "printtarget.h"

#include "data/fileio.h"
#include "print/pagetrace.h"
#include "print/painterpagesurface.h"
#include "print/pdfdocument.h"
#include "print/recordingsurface.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

using namespace Qt::StringLiterals;

namespace {

ExitStatus writeOutput(const QString &path, const QByteArray &bytes, CommandOutput &output)
{
    const SaveResult saved = writeFileAtomically(path, bytes, WriteTarget::UserOutput);
    return saved.ok ? ExitStatus::Success : saveError(output, saved);
}

ExitStatus printFailed(const QString &name, CommandOutput &output)
{
    output.err += u"%1: 印刷できません\n"_s.arg(name);
    return ExitStatus::OutputError;
}

ExitStatus printOnPrinter(const QString &name, const QString &title, const PrintRun &run, CommandOutput &output)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        output.err += u"%1: プリンタがありません\n"_s.arg(name);
        return ExitStatus::InputError;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setColorMode(QPrinter::Color);
    printer.setDocName(title);
    PainterPageSurface surface(printer);
    if (run(surface) != PrintResult::Printed || printer.printerState() == QPrinter::Error)
        return printFailed(name, output);
    return ExitStatus::Success;
}

} // namespace

ExitStatus printTo(const PrintTarget &target, const QString &title, const PrintRun &run, CommandOutput &output)
{
    switch (target.kind) {
    case PrintTarget::Kind::Pdf: {
        PdfDocument document(title, target.margins);
        if (run(document.surface()) != PrintResult::Printed)
            return printFailed(QDir::toNativeSeparators(target.name), output);
        return writeOutput(target.name, document.bytes(), output);
    }
    case PrintTarget::Kind::Trace: {
        RecordingSurface surface(target.margins);
        run(surface);
        return writeOutput(target.name, pageTraceJson(surface), output);
    }
    case PrintTarget::Kind::Printer:
        return printOnPrinter(target.name, title, run, output);
    }
    return ExitStatus::UsageError;
}
