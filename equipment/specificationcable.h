#ifndef RLAY_SPECIFICATIONCABLE_H
#define RLAY_SPECIFICATIONCABLE_H

// A page of the cable specification: sheet 1 sums the cable lengths by
// cable type, every other sheet lists cables from a first frame pair on.
// The pages come only from the cable specification side file.

#include "equipment/specificationdevice.h"
#include "graphics/dlgprop.h"

#include <QList>

class Cable;
class EquipmentScheme;
class SpecificationManagerCable;

// One line of the summary by cable type.
struct CableSummaryRow
{
    int type = -1;
    // The length to order, in metres: the total length of the type's cables
    // plus 3 %, rounded up to a multiple of 5.
    int length = 0;
    // False when a cable of the type joins two frames without a distance.
    bool known = true;
};

// One line of a cable list: the cable and the frame pair it joins.
struct CableListRow
{
    quint64 key = 0;
    const Cable *cable = nullptr;
};

class SpecificationCable : public Specification
{
    Q_OBJECT

public:
    // A list table column holds 50 cables, a summary table column 32
    // types; a sheet has two table columns.
    enum { RowsPerColumn = 50, SummaryRowsPerColumn = 32, ColumnsPerSheet = 2 };

    // firstKey: the index in the branch's sorted frame pairs at which the
    // page's list starts; rowOffset: the cable rows on the pages before;
    // rowLimit: the most rows the page shows, 0 for no limit.
    explicit SpecificationCable(Project *project, int firstKey = 0, int rowOffset = 0, int rowLimit = 0);

    int firstKey() const { return m_firstKey; }
    int rowOffset() const { return m_rowOffset; }
    int rowLimit() const { return m_rowLimit; }

    // The ATR number of the cable specification above the page.
    int groupNumber() const override;
    // The three numbers, the sheet, then the row's texts.
    void saveScene(DataStream &stream) override;
    bool loadScene(DataStream &stream) override;

    // The length to order for a total length of cable: plus 3 %, rounded to
    // whole metres, then up to a multiple of 5.
    static int orderLength(int total);
    // The summary of every cable by type, ordered by mark; types of equal
    // mark keep ascending type order.
    static QList<CableSummaryRow> summary(const SpecificationManagerCable &cables, const EquipmentScheme &scheme);
    // The cable length between the frames of a pair in metres; false, and
    // nothing said, when the pair has no distance.
    static bool lengthOf(const EquipmentScheme &scheme, quint64 key, int *metres);
    // The cables this page lists, in order: from the first cable of its
    // first frame pair on, at most the row limit.
    QList<CableListRow> listRows() const;
    // The sheets the page prints on: a list or summary longer than one
    // sheet goes on over further sheets.
    int sheetCount() const;
    // Prints every sheet of the page, each on its own page of the device.
    void printScene(QPainter *painter = nullptr) override;

protected:
    // Sheet 1 is the summary by cable type, every other sheet a list.
    // Painting reports nothing: a pair without a distance shows "?" as its
    // length.
    void drawBackground(QPainter *painter, const QRectF &rect) override;

private:
    void drawSummary(QPainter *painter, const SpecificationManagerCable &cables, const EquipmentScheme &scheme);
    void drawList(QPainter *painter, const EquipmentScheme &scheme);

    // The sheet being printed; 0 on screen.
    int m_printedSheet = 0;
    int m_firstKey;
    int m_rowOffset;
    int m_rowLimit;
};

// A cable page is created only from the side file: the dialog has no fields
// and no command opens it.
class DlgPropSpecificationCable : public DlgProp
{
    Q_OBJECT

public:
    explicit DlgPropSpecificationCable(Project *project);
    SpecificationCable *execDialog(SpecificationCable *page);

private:
    Project *m_project;
};

#endif
