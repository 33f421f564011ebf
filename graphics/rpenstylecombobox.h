#ifndef RLAY_RPENSTYLECOMBOBOX_H
#define RLAY_RPENSTYLECOMBOBOX_H

// Combo box of the line styles a drawn line may take (solid, dashed, dotted,
// dash-dot, dash-dot-dot), shown as icons; the Qt::PenStyle number is each
// item's data. "No pen" is not offered.

#include <QComboBox>

class RPenStyleComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit RPenStyleComboBox(QWidget *parent);

    void setCurrentPenStyle(int style);
    // Qt::SolidLine when the current item is unusable.
    int currentPenStyle() const;
};

#endif
