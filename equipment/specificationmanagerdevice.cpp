#include "equipment/specificationmanagerdevice.h"

#include "graphics/rgridlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

#include <QLabel>
#include <QSpinBox>

namespace {

const int deviceSpecificationItemActions[4] = {-1, -1, -1, 66};
const int deviceSpecificationMenuActions[] = {66, 67, 68, -1, 70, 71, -1, 72};
const int deviceSpecificationMenagerChildActions[] = {66, 68};

} // namespace

SpecificationManagerDevice::SpecificationManagerDevice(Project *project, QList<QAction *> *actions)
    : ItemMenager<SpecificationGroupDevice, DlgPropSpecificationGroupDevice>(project, actions)
{
    if (!becomeBranch(tr("Specification devices"), QStringLiteral(":/images/specifications.png"),
                      deviceSpecificationItemActions, deviceSpecificationMenuActions,
                      deviceSpecificationMenagerChildActions))
        return;
    if (hasCommands()) {
        addHandler(68, this, SLOT(clickSavePdfFiles()));
        addHandler(72, this, SLOT(clickSpecProperty()), true);
    }
}

void SpecificationManagerDevice::changed()
{
    if (project())
        project()->setSpecificationDeviceChanged();
}

void SpecificationManagerDevice::writeItems(DataStream &stream)
{
    stream << qint32(m_atrNumber) << m_comment;
    ItemMenager<SpecificationGroupDevice, DlgPropSpecificationGroupDevice>::writeItems(stream);
}

void SpecificationManagerDevice::readItems(DataStream &stream)
{
    // Files before format 9 carry no ATR number and comment.
    if (stream.formatIndex() >= 9) {
        qint32 atr = 0;
        stream >> atr >> m_comment;
        m_atrNumber = atr;
    }
    ItemMenager<SpecificationGroupDevice, DlgPropSpecificationGroupDevice>::readItems(stream);
}

void SpecificationManagerDevice::clickSpecProperty()
{
    DlgPropSpecificationManagerDevice dialog(project());
    if (!dialog.edit(m_atrNumber, m_comment))
        return;
    changed();
    // The title blocks show the ATR number.
    for (SpecificationGroupDevice *group : itemList()) {
        for (SpecificationDevice *page : group->itemList())
            page->update();
    }
}

DlgPropSpecificationManagerDevice::DlgPropSpecificationManagerDevice(QWidget *parent)
    : DlgProp(parent)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *grid = new RGridLayout();
    layout->addLayout(grid);

    m_atr = new QSpinBox(this);
    m_atr->setRange(0, 999);
    grid->addWidget(new QLabel(tr("ATR Num:"), this), 0, 0);
    grid->addWidget(m_atr, 0, 1);

    m_comment = new RLineEdit(this, 200);
    grid->addWidget(new QLabel(tr("Comment:"), this), 1, 0);
    grid->addWidget(m_comment, 1, 1);

    addButtons(layout);
}

bool DlgPropSpecificationManagerDevice::edit(int &atrNumber, QString &comment)
{
    m_atr->setValue(atrNumber);
    m_comment->setText(comment);
    if (execModal(this) != QDialog::Accepted)
        return false;
    comment = m_comment->text().simplified();
    atrNumber = m_atr->value();
    return true;
}
