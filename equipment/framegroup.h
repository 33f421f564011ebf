#ifndef RLAY_FRAMEGROUP_H
#define RLAY_FRAMEGROUP_H

// A row of frames of the equipment room, shown as "Row" and its number.

#include "equipment/frame.h"
#include "graphics/dlgprop.h"
#include "model/address.h"
#include "model/itemmenager.h"

class CheckLog;
class QCheckBox;
class QTreeWidget;
struct SourceNet;

class FrameGroup : public ItemMenager<Frame, DlgPropFrame>
{
    Q_OBJECT

public:
    explicit FrameGroup(Project *project);

    // Field 1 is the row number.
    const Address &address() const { return m_address; }
    // Renames the row and every frame's row number when the address
    // changed or the row has no name yet.
    void setAddress(const Address &address);
    QString comment() const { return m_comment; }
    void setComment(const QString &comment);
    bool sideOfLeft() const { return m_sideOfLeft; }
    // The frames' clamp parts move to that side.
    void setSideOfLeft(bool left);

    // The wiring documents of every frame in list order; false at the
    // first frame that fails.
    bool createWiringLayouts(CheckLog &log);
    // The rows of the sources explorer of every frame, in list order.
    void fillSourcesTree(QTreeWidget *tree, const QList<SourceNet> &nets, CheckLog &log);

    // The row's number, comment and side first, then its frames.
    void saveFirst(DataStream &stream) override;
    bool loadFirst(DataStream &stream) override;
    const int *childActions(int &count) override;
    // Builds the pages every frame only lists, then shows the checks that
    // failed.
    void buildWiringPages();
    // Every frame's documents, their pages built first.
    void printAll(QPainter *painter) override;
    void appendPages(QList<GraphicsScene *> &pages) override;

protected slots:
    // The new frame takes the row's number and side.
    void *clickNewItem() override;

private:
    Address m_address;
    QString m_comment;
    bool m_sideOfLeft = true;
};

// The properties of a row: its number, comment and the side of the frames'
// clamp parts.
class DlgPropFrameGroup : public DlgProp
{
    Q_OBJECT

public:
    explicit DlgPropFrameGroup(Project *project);

    // The same contract as DlgPropFrame::execDialog, for a row.
    FrameGroup *execDialog(FrameGroup *group);

    void loadFromObject() override;
    void saveToObject() override;

    QSpinBox *numberSpin() const { return m_number; }
    RLineEdit *commentEdit() const { return m_comment; }
    QCheckBox *sideOfLeftBox() const { return m_sideOfLeft; }

protected slots:
    void btnOkClick() override;

private:
    Project *m_project;
    FrameGroup *m_group = nullptr;
    QSpinBox *m_number;
    RLineEdit *m_comment;
    QCheckBox *m_sideOfLeft;
};

#endif
