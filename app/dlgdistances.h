#ifndef RLAY_DLGDISTANCES_H
#define RLAY_DLGDISTANCES_H

// The distances between the frames of the equipment room, edited as a
// square table with one row and one column per frame, frames in ascending
// order of their codes. A length is typed in the cell above the diagonal;
// Ok stores it under the column's frame, keyed by the row's. The table is
// the only working copy: Cancel drops every change.

#include "equipment/equipmentscheme.h"

#include <QDialog>

class Address;
class Project;
class QComboBox;
class QSpinBox;
class QTableWidget;

class DlgDistances : public QDialog
{
    Q_OBJECT

public:
    DlgDistances(QWidget *parent, Project *project);

    QTableWidget *table() const { return m_table; }
    // Shows the frames and lengths of a table, replacing what was shown.
    void fillDistanceTable(const EquipmentScheme::DistanceTable &distances);
    bool hasFrame(uint code) const;
    // A row and a column for the frame, in the order of the codes.
    void insertFrameColumn(uint code);

public slots:
    void btnAddClick();
    void btnRemoveClick();
    void btnLoadClick();
    void btnOkClick();

private:
    void setFrameHeaders(int index, uint code);

    Project *m_project;
    QTableWidget *m_table;
};

// Adds one frame, given by its number and frame kind, to the table.
class DlgDistancesFrameAdd : public QDialog
{
    Q_OBJECT

public:
    explicit DlgDistancesFrameAdd(DlgDistances *owner);

    QSpinBox *frameNumber() const { return m_number; }
    QComboBox *frameType() const { return m_type; }

public slots:
    void btnOkClick();

private:
    DlgDistances *m_owner;
    QSpinBox *m_number;
    QComboBox *m_type;
};

// Replaces the table by lengths worked out from the room: rows of five
// basic frames, a distance between rows, a frame width and a constant for
// the cable ends.
class DlgDistancesLoadDefault : public QDialog
{
    Q_OBJECT

public:
    explicit DlgDistancesLoadDefault(DlgDistances *owner);

    QSpinBox *betweenRows() const { return m_betweenRows; }
    QSpinBox *frameWidth() const { return m_frameWidth; }
    QSpinBox *termination() const { return m_termination; }
    QSpinBox *firstRow() const { return m_firstRow; }
    QSpinBox *lastRow() const { return m_lastRow; }

    // Steps a frame address through the rows, frames 1 to 5 in each; false
    // past the last frame of the last row.
    bool nextFramePosition(Address &address) const;

public slots:
    void btnOkClick();

private:
    DlgDistances *m_owner;
    QSpinBox *m_betweenRows;
    QSpinBox *m_frameWidth;
    QSpinBox *m_termination;
    QSpinBox *m_firstRow;
    QSpinBox *m_lastRow;
};

#endif
