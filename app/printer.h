#ifndef RLAY_PRINTER_H
#define RLAY_PRINTER_H

// The printer of every "Print" command, and the PDF output behind every
// manager's "Save PDF files" command: the pages are grouped by paper format,
// orientation and count of sheets across, and each group becomes one PDF
// file named after its format, with one PDF page per sheet.

#include <QCoreApplication>
#include <QList>
#include <QPrinter>
#include <QString>

class GraphicsScene;

class Printer : public QPrinter
{
    Q_DECLARE_TR_FUNCTIONS(Printer)

public:
    explicit Printer(QPrinter::PrinterMode mode);

    // Writes the pages as PDF files whose names begin with baseName (given
    // without ".pdf"). Editing aids are hidden while the files are written.
    static void savePdfFiles(const QList<GraphicsScene *> &pages, const QString &baseName);

    // The file of one group: baseName + "_A3_Lnd_1.pdf" and the like.
    static QString pdfFileName(const QString &baseName, const GraphicsScene &page);
    // Makes the printer's page the page's paper, turned when landscape and
    // as wide as its sheets across.
    static void setPageOf(QPrinter &printer, const GraphicsScene &page);
};

#endif
