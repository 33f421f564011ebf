#ifndef RLAY_RCOMBOBOX_H
#define RLAY_RCOMBOBOX_H

// Combo box with a preferred width fixed at construction whose items carry
// an integer (a catalogue index, a kind code) in Qt::UserRole.

#include <QComboBox>
#include <QSize>

class RComboBox : public QComboBox
{
    Q_OBJECT

public:
    // A width of 0 keeps the framework's preferred width.
    RComboBox(QWidget *parent, int width);

    QSize sizeHint() const override;

    // Inserts before the first item whose text is greater (case-sensitive),
    // so equal texts keep their order of insertion.
    void insertComboItemSorted(const QString &text, int value);
    // The current item's integer; 0 when there is none.
    int comboCurrentData() const;

private:
    QSize m_sizeHint;
};

#endif
