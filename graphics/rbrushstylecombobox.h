#ifndef RLAY_RBRUSHSTYLECOMBOBOX_H
#define RLAY_RBRUSHSTYLECOMBOBOX_H

// Combo box of the fill patterns a closed shape may take, listed by the
// framework's own names with the Qt::BrushStyle number as each item's data.
// Gradient and texture fills are not offered.

#include <QComboBox>

class RBrushStyleComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit RBrushStyleComboBox(QWidget *parent);

    void setCurrentBrushStyle(int style);
    // Qt::SolidPattern when the current item is unusable.
    int currentBrushStyle() const;
};

#endif
