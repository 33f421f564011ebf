#include "app/printer.h"

#include "graphics/graphicsscene.h"
#include "model/check.h"
#include "model/displayflags.h"
#include "model/printing.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

namespace {

bool sameGroup(const GraphicsScene &a, const GraphicsScene &b)
{
    return a.pageSize() == b.pageSize() && a.isLandscape() == b.isLandscape()
        && a.sheetsAcross() == b.sheetsAcross();
}

} // namespace

Printer::Printer(QPrinter::PrinterMode mode)
    : QPrinter(mode)
{
}

QString Printer::pdfFileName(const QString &baseName, const GraphicsScene &page)
{
    const PaperFormat &format = paperFormats[GraphicsScene::paperIndex(page.pageSize())];
    return baseName
        + QStringLiteral("_%1_%2_%3%4")
              .arg(QString::fromLatin1(format.name), page.isLandscape() ? tr("Lnd") : tr("Prt"),
                   QString::number(page.sheetsAcross()), QStringLiteral(".pdf"));
}

void Printer::setPageOf(QPrinter &printer, const GraphicsScene &page)
{
    const QPageSize paper(GraphicsScene::pageSizeId(page.pageSize()));
    if (page.sheetsAcross() <= 1) {
        printer.setPageSize(paper);
        printer.setPageOrientation(page.isLandscape() ? QPageLayout::Landscape : QPageLayout::Portrait);
        return;
    }
    // A sheet several papers wide gets a page as wide as all of them, in
    // whole points of the paper (A3 is 842 by 1191). The page size is given
    // upright and the layout turns it when it is wider than high.
    QSizeF size = paper.sizePoints();
    if (page.isLandscape())
        size.transpose();
    size.setWidth(size.width() * page.sheetsAcross());
    const bool wide = size.width() > size.height();
    const QSizeF upright = wide ? size.transposed() : size;
    printer.setPageSize(QPageSize(upright, QPageSize::Point, QString(), QPageSize::ExactMatch));
    printer.setPageOrientation(wide ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void Printer::savePdfFiles(const QList<GraphicsScene *> &pages, const QString &baseName)
{
    if (pages.isEmpty())
        return;
    QList<GraphicsScene *> rest = pages;
    // No editing aids on paper.
    const bool helpWasHidden = hideHelp;
    hideHelp = true;

    while (!rest.isEmpty()) {
        GraphicsScene *first = rest.takeFirst();
        if (!CHECK_PTR(first))
            continue;
        const QString fileName = pdfFileName(baseName, *first);
        Printer printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
        printer.setFullPage(true);
        setPageOf(printer, *first);

        QPainter painter;
        const bool open = beginPainting(painter, printer);
        if (open)
            first->printScene(&painter);
        // Every page of the same group goes into this file, in input order.
        for (int i = 0; i < rest.size();) {
            GraphicsScene *page = rest.at(i);
            if (!page || !sameGroup(*page, *first)) {
                ++i;
                continue;
            }
            rest.removeAt(i);
            if (open) {
                printer.newPage();
                page->printScene(&painter);
            }
        }
        if (open)
            endPainting(painter, printer);
    }

    if (!helpWasHidden)
        hideHelp = false;
}
