#include "model/printing.h"

#include "model/check.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPrinter>

namespace {

// The PDF file the printer writes; empty when it prints on paper.
QString pdfOutput(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
}

} // namespace

bool beginPainting(QPainter &painter, QPrinter &printer)
{
    if (painter.begin(&printer))
        return true;
    if (!pdfOutput(printer).isEmpty())
        showError(QCoreApplication::translate("QObject", "Cannot open file %1!").arg(pdfOutput(printer)));
    return false;
}

bool endPainting(QPainter &painter, QPrinter &printer)
{
    // The writer tells nothing of a write that failed: a whole file ends
    // with its end-of-file mark.
    painter.end();
    const QString path = pdfOutput(printer);
    if (path.isEmpty())
        return true;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.seek(qMax(file.size() - 8, qint64(0))) && file.read(8).contains("%%EOF"))
        return true;
    file.close();
    QFile::remove(path);
    showError(QCoreApplication::translate("QObject", "Write data in file %1 is not correct!").arg(path));
    return false;
}
