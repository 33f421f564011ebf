#ifndef RLAY_SPECIFICATIONDEVICE_H
#define RLAY_SPECIFICATIONDEVICE_H

// The bills of devices: a matrix of device names by frames with the count of
// each device in each frame, held by a group (SpecificationGroupDevice) and
// shown on its printable pages (SpecificationDevice), each a range of the
// matrix's columns and rows. Also Specification, the sheet shared with the
// cable specification. The groups and pages come only from the device
// specification side file.

#include "graphics/dlgprop.h"
#include "graphics/graphicsscene.h"
#include "model/itemmenager.h"

#include <QHash>
#include <QList>
#include <QString>

// One printable specification sheet: A3, landscape, one sheet across.
class Specification : public GraphicsScene
{
    Q_OBJECT

public:
    explicit Specification(Project *project);

    // The text of the sheet's row in the project tree.
    QString displayName() const override;
    int groupNumber() const override;
    // Written or read, the sheet matches its file: the next drawing on it
    // marks its side file changed.
    bool saveItemsGeometry(DataStream &stream) override;
    bool loadItemsGeometry(DataStream &stream) override;

    // The text of a frame code as the tables head it; "?" for a code of no
    // known frame kind (painting reports nothing).
    static QString frameText(quint32 code);
};

class SpecificationGroupDevice;

class SpecificationDevice : public Specification
{
    Q_OBJECT

public:
    // The room of the drawn table.
    enum { PageColumns = 28, PageRows = 51 };

    explicit SpecificationDevice(Project *project);

    int columnBegin() const { return m_columnBegin; }
    int columnEnd() const { return m_columnEnd; }
    int rowBegin() const { return m_rowBegin; }
    int rowEnd() const { return m_rowEnd; }
    // The columns and rows the page shows; a negative begin or a count
    // below 1 changes nothing.
    void setRange(int columnBegin, int columnCount, int rowBegin, int rowCount);

    // The group above the page in the project tree; null for none.
    SpecificationGroupDevice *group() const;
    // The ATR number of the device specification above the page's group.
    int groupNumber() const override;
    // The ranges, the sheet, then the row's texts.
    void saveScene(DataStream &stream) override;
    bool loadScene(DataStream &stream) override;

protected:
    // The sheet, then the table of the page's part of the matrix. A page
    // whose ranges do not fit its group shows the bare sheet.
    void drawBackground(QPainter *painter, const QRectF &rect) override;

private:
    int m_columnBegin = 0;
    int m_columnEnd = 0;
    int m_rowBegin = 0;
    int m_rowEnd = 0;
};

// A device page is created only from the side file: the dialog has no
// fields and no command opens it.
class DlgPropSpecificationDevice : public DlgProp
{
    Q_OBJECT

public:
    explicit DlgPropSpecificationDevice(Project *project);
    SpecificationDevice *execDialog(SpecificationDevice *page);

private:
    Project *m_project;
};

// One row of a bill: the device name and its count by column key.
struct SpecificationDeviceRow
{
    QString name;
    QHash<quint32, quint32> counts;
};

class SpecificationGroupDevice : public ItemMenager<SpecificationDevice, DlgPropSpecificationDevice>
{
    Q_OBJECT

public:
    explicit SpecificationGroupDevice(Project *project);

    QList<SpecificationDeviceRow> &rows() { return m_rows; }
    const QList<SpecificationDeviceRow> &rows() const { return m_rows; }
    // The column keys (frame codes) in display order.
    QList<quint32> &columns() { return m_columns; }
    const QList<quint32> &columns() const { return m_columns; }

    // The row's texts, the matrix, then the pages.
    void writeItems(DataStream &stream) override;
    void readItems(DataStream &stream) override;
    const int *childActions(int &count) override;

private:
    QList<SpecificationDeviceRow> m_rows;
    QList<quint32> m_columns;
};

// A group is created only from the side file as well.
class DlgPropSpecificationGroupDevice : public DlgProp
{
    Q_OBJECT

public:
    explicit DlgPropSpecificationGroupDevice(Project *project);
    SpecificationGroupDevice *execDialog(SpecificationGroupDevice *group);

private:
    Project *m_project;
};

#endif
