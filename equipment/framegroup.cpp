#include "equipment/framegroup.h"

#include "equipment/equipmentmenager.h"
#include "graphics/rgridlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>

#include <algorithm>

namespace {

const int frameGroupItemActions[4] = {60, 61, 65, 62};
const int rowChildActions[] = {61, 65, 62, 64};

} // namespace

FrameGroup::FrameGroup(Project *project)
    : ItemMenager<Frame, DlgPropFrame>(project)
{
    if (treeItem())
        treeItem()->setIcons(QStringLiteral(":/images/frame_row.png"), QStringLiteral(":/images/frame_row.png"));
    registerItemActions(frameGroupItemActions, 4);
    if (hasCommands())
        addHandler(64, this, SLOT(clickSavePdfFiles()));
}

void FrameGroup::setAddress(const Address &address)
{
    bool same = true;
    for (int i = 0; i <= 6 && same; ++i)
        same = address.field(i) == m_address.field(i);
    if (same && treeItem() && !treeItem()->text(0).isEmpty())
        return;
    m_address = address;
    if (treeItem())
        treeItem()->setTexts(tr("Row") + QLatin1Char(' ') + QString::number(m_address.field(1)), m_comment);
    for (Frame *frame : std::as_const(items)) {
        if (frame)
            frame->setAddressField(m_address, 1);
    }
}

void FrameGroup::setComment(const QString &comment)
{
    m_comment = comment;
    if (treeItem() && !treeItem()->text(0).isEmpty())
        treeItem()->setText(1, m_comment);
}

void FrameGroup::setSideOfLeft(bool left)
{
    if (left == m_sideOfLeft)
        return;
    m_sideOfLeft = left;
    for (Frame *frame : std::as_const(items)) {
        if (frame)
            frame->placeClampPart(left);
    }
}

void FrameGroup::saveFirst(DataStream &stream)
{
    stream << quint8(m_address.field(1)) << m_comment << m_sideOfLeft;
    ItemMenager<Frame, DlgPropFrame>::saveFirst(stream);
}

bool FrameGroup::loadFirst(DataStream &stream)
{
    quint8 number = 0;
    bool left = true;
    stream >> number >> m_comment >> left;
    if (stream.status() != QDataStream::Ok)
        return false;
    Address address;
    address.setField(1, number);
    setSideOfLeft(left);
    // Each frame reads its own number knowing its row, so its places take
    // their addresses once, before anything is placed in them.
    for (Frame *frame : std::as_const(items)) {
        if (frame)
            frame->presetRowNumber(number);
    }
    if (!ItemMenager<Frame, DlgPropFrame>::loadFirst(stream))
        return false;
    setAddress(address);
    return true;
}

const int *FrameGroup::childActions(int &count)
{
    count = int(std::size(rowChildActions));
    return rowChildActions;
}

void FrameGroup::buildWiringPages()
{
    EquipmentMenager *equipment = project() ? project()->equipment() : nullptr;
    if (!equipment)
        return;
    for (Frame *frame : std::as_const(items)) {
        if (frame)
            frame->buildWiringPages(false);
    }
    equipment->showGenerationChecks();
}

void FrameGroup::printAll(QPainter *painter)
{
    buildWiringPages();
    ItemMenager<Frame, DlgPropFrame>::printAll(painter);
}

void FrameGroup::appendPages(QList<GraphicsScene *> &pages)
{
    buildWiringPages();
    ItemMenager<Frame, DlgPropFrame>::appendPages(pages);
}

void *FrameGroup::clickNewItem()
{
    auto *frame = static_cast<Frame *>(ItemMenager<Frame, DlgPropFrame>::clickNewItem());
    if (frame) {
        frame->setAddressField(m_address, 1);
        frame->placeClampPart(m_sideOfLeft);
    }
    return frame;
}

DlgPropFrameGroup::DlgPropFrameGroup(Project *project)
    : DlgProp(project)
    , m_project(project)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *grid = new RGridLayout();
    layout->addLayout(grid);

    m_number = new QSpinBox(this);
    m_number->setMinimum(0);
    grid->addWidget(new QLabel(tr("Frame Group Num:"), this), 0, 0);
    grid->addWidget(m_number, 0, 1);

    m_comment = new RLineEdit(this, 200);
    grid->addWidget(new QLabel(tr("Comment:"), this), 1, 0);
    grid->addWidget(m_comment, 1, 1);

    m_sideOfLeft = new QCheckBox(tr("Side of left in framelayout"), this);
    m_sideOfLeft->setChecked(true);
    grid->addWidget(m_sideOfLeft, 2, 0, 1, 2);

    layout->addStretch();
    addButtons(layout);
}

FrameGroup *DlgPropFrameGroup::execDialog(FrameGroup *group)
{
    m_group = group;
    if (group)
        loadFromObject();
    if (execModal(this) != QDialog::Accepted)
        return nullptr;
    if (!m_group) {
        m_group = new FrameGroup(m_project);
        if (!CHECK_PTR(m_group))
            return nullptr;
    }
    saveToObject();
    return m_group;
}

void DlgPropFrameGroup::btnOkClick()
{
    // The row number is part of every frame code of the row: two rows of one
    // number would give their frames one code, one address for two devices.
    EquipmentMenager *equipment = m_project ? m_project->equipment() : nullptr;
    const int number = m_number->value();
    for (FrameGroup *other : equipment ? equipment->itemList() : QList<FrameGroup *>()) {
        if (other && other != m_group && other->address().field(1) == number) {
            showError(tr("A row with the number %1 already stands in the project!").arg(number));
            return;
        }
    }
    DlgProp::btnOkClick();
}

void DlgPropFrameGroup::loadFromObject()
{
    if (!CHECK_PTR(m_group))
        return;
    // A number beyond the range stays unless the user changes it, as for
    // frames.
    const int number = m_group->address().field(1);
    m_number->setMaximum(std::max(m_number->maximum(), number));
    m_number->setValue(number);
    m_comment->setText(m_group->comment());
    m_sideOfLeft->setChecked(m_group->sideOfLeft());
}

void DlgPropFrameGroup::saveToObject()
{
    if (!CHECK_PTR(m_group))
        return;
    Address address;
    address.setField(1, quint8(m_number->value()));
    m_group->setComment(m_comment->text());
    m_group->setAddress(address);
    m_group->setSideOfLeft(m_sideOfLeft->isChecked());
}
