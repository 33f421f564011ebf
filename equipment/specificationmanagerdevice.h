#ifndef RLAY_SPECIFICATIONMANAGERDEVICE_H
#define RLAY_SPECIFICATIONMANAGERDEVICE_H

// The device specification branch of the project, "Specification devices":
// the bills of devices, saved in the device specification side file with
// the branch's ATR number and comment.

#include "equipment/specificationdevice.h"
#include "graphics/dlgprop.h"
#include "model/itemmenager.h"

#include <QString>

class QSpinBox;
class RLineEdit;

class SpecificationManagerDevice
    : public ItemMenager<SpecificationGroupDevice, DlgPropSpecificationGroupDevice>
{
    Q_OBJECT

public:
    // Adds the branch's row as a top-level row of the project tree.
    explicit SpecificationManagerDevice(Project *project, QList<QAction *> *actions = nullptr);

    // Something below the branch changed: its side file is due.
    void changed() override;

    int atrNumber() const { return m_atrNumber; }
    void setAtrNumber(int number) { m_atrNumber = number; }
    QString comment() const { return m_comment; }
    void setComment(const QString &comment) { m_comment = comment; }

    // The list record begins with the ATR number and comment.
    void writeItems(DataStream &stream) override;
    void readItems(DataStream &stream) override;

public slots:
    // Edits the ATR number and comment.
    void clickSpecProperty();

private:
    int m_atrNumber = 0;
    QString m_comment;
};

// The ATR number and comment of a specification branch.
class DlgPropSpecificationManagerDevice : public DlgProp
{
    Q_OBJECT

public:
    explicit DlgPropSpecificationManagerDevice(QWidget *parent);

    QSpinBox *atrSpin() const { return m_atr; }
    RLineEdit *commentEdit() const { return m_comment; }

    // Shows the dialog on an ATR number and comment and takes the edited
    // values back; false when the user cancelled.
    bool edit(int &atrNumber, QString &comment);

private:
    QSpinBox *m_atr;
    RLineEdit *m_comment;
};

#endif
