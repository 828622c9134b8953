#pragma once

#include "print/printjob.h"
#include "ui/windowposition.h"

#include <functional>

class PrintDestination;
class QCheckBox;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
struct Session;

// PRT_ROLL (出席簿印刷): which sheet, what it shows, and either the open month
// with its data or blank sheets; also a preview, a PDF of the chosen sheet and
// a PDF of the class's whole school year.
// The options are read when it opens and stored when it closes or prints.
class PrintDialog : public RememberedDialog
{
    Q_OBJECT

public:
    PrintDialog(Session &session, Platform &platform, PrintDestination &destination, QWidget *parent = nullptr);

    // Asks where to save a PDF, starting from a proposed path; empty when cancelled.
    using SavePathChooser = std::function<QString(QWidget *parent, const QString &proposed)>;
    void setSavePathChooser(SavePathChooser chooser) { m_chooseSavePath = std::move(chooser); }
    // The printer the preview shows its pages on.
    void setPreviewPrinter(QPrinter *printer) { m_previewPrinter = printer; }

    // The job the boxes describe, for a data print.
    PrintJob chosenJob() const;
    // The options the boxes give, as stored under PRT_ROLL_F.
    qint16 chosenOptions() const;

    void printMonth();       // B_PRT
    void printBlankSheets(); // B_PRT2
    void showPreview();      // B_PREVIEW
    void saveAsPdf();        // B_PDF
    // B_YEAR_PDF: the open class's school year, front and back of every month
    // (or the full sheet), the open month as it stands in the editor.
    void saveYearAsPdf();

    void done(int result) override;

private:
    void createControls();
    void readStoredOptions();
    void colourClicked();
    void saveOptions();
    bool teacherNameMissing();
    bool fullSheetRefused();
    // The month with its data when it has pupils, else one blank sheet.
    PrintJob previewJob() const;
    void run(PrintJob job);
    QString proposedPdfName(qint16 side) const;

    Session &m_session;
    PrintDestination &m_destination;
    SavePathChooser m_chooseSavePath;
    QPrinter *m_previewPrinter = nullptr;
    bool m_printing = false;
    QPushButton *m_print = nullptr;
    QRadioButton *m_front = nullptr;
    QRadioButton *m_back = nullptr;
    QRadioButton *m_full = nullptr;
    QCheckBox *m_data = nullptr;
    QCheckBox *m_weekdays = nullptr;
    QCheckBox *m_holidays = nullptr;
    QCheckBox *m_colour = nullptr;
    QCheckBox *m_girlsInRed = nullptr;
    QLineEdit *m_sheetCount = nullptr;
};
