#include "equipment/frame.h"

#include "graphics/graphicsscene.h"
#include "graphics/rgridlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rvboxlayout.h"
#include "graphics/sceneitem.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/itemmenagerbase.h"
#include "model/project.h"

#include <QLabel>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSpinBox>

FrameItem::FrameItem(Frame *frame, ProjectItemBase *parent)
    : ProjectItemOwner<Frame>(frame, parent)
{
}

Frame::Frame(Project *project)
    : QObject(nullptr)
    , m_project(project)
{
    m_treeItem = new FrameItem(this);
    if (CHECK_PTR(m_treeItem))
        m_treeItem->setIcons(QStringLiteral(":/images/frame.png"), QStringLiteral(":/images/frame.png"));
}

Frame::~Frame()
{
    delete m_treeItem;
    m_treeItem = nullptr;
}

void Frame::setComment(const QString &comment)
{
    m_comment = comment;
    if (m_treeItem)
        m_treeItem->setText(1, m_comment);
}

void Frame::setFrameType(int type)
{
    if (!CHECK(type >= -1 && type < 40))
        return;
    m_frameType = type;
}

QString Frame::property(int index, bool frameOnly) const
{
    if (index >= FirstMember && index < FirstMember + MemberCount && !m_members[index - FirstMember].isEmpty())
        return m_members[index - FirstMember];
    if (frameOnly || !m_project)
        return QString();
    return m_project->projectProperty(index);
}

void Frame::setProperty(int index, const QString &text)
{
    if (index >= FirstMember && index < FirstMember + MemberCount) {
        QString &member = m_members[index - FirstMember];
        if (member != text) {
            member = text;
            if (m_project)
                m_project->setModified(true);
        }
        return;
    }
    if (m_project)
        m_project->setProjectProperty(index, text);
}

void Frame::updateTexts()
{
    if (!m_treeItem)
        return;
    const int number = m_address.field(2);
    m_treeItem->setTexts(tr("Frame") + QLatin1Char(' ') + (number ? QString::number(number) : QString()),
                         m_comment);
}

void Frame::setAddressField(const Address &from, int field)
{
    if (!CHECK(field >= 0 && field <= 6))
        return;
    bool same = true;
    for (int i = 0; i <= 6 && same; ++i)
        same = from.field(i) == m_address.field(i);
    if (same)
        return;
    m_address.setField(field, from.field(field));
    updateTexts();
}

void Frame::writeProperties(DataStream &stream)
{
    stream << qint32(m_frameType) << qint32(m_atrNumber) << m_comment;
    for (const QString &member : m_members)
        stream << member;
    stream << qint32(m_clampPanelChoice);
}

void Frame::readProperties(DataStream &stream)
{
    qint32 type = -1;
    qint32 atr = 0;
    stream >> type >> atr >> m_comment;
    m_atrNumber = atr;
    // Frames before format 10 have no members of their own.
    if (stream.formatIndex() >= 10) {
        for (QString &member : m_members)
            stream >> member;
    }
    if (stream.status() == QDataStream::Ok && type >= -1 && type < 40)
        m_frameType = type;
    else
        stream.setStatus(QDataStream::ReadCorruptData);
    // Frames before format 3 have no clamp-panel choice.
    if (stream.formatIndex() >= 3) {
        qint32 choice = 0;
        stream >> choice;
        m_clampPanelChoice = choice;
    }
}

void Frame::saveFirst(DataStream &stream)
{
    stream << quint8(m_address.field(2)) << m_comment;
}

bool Frame::loadFirst(DataStream &stream)
{
    quint8 number = 0;
    QString comment;
    stream >> number >> comment;
    if (stream.status() != QDataStream::Ok)
        return false;
    m_comment = comment;
    Address address = m_address;
    address.setField(2, number);
    setAddressField(address, 2);
    updateTexts();
    return true;
}

bool Frame::saveSecond(DataStream &)
{
    return true;
}

bool Frame::loadSecond(DataStream &stream)
{
    return stream.status() == QDataStream::Ok;
}

bool Frame::updatePointers(bool)
{
    return true;
}

void Frame::saveWLFirst(DataStream &)
{
}

bool Frame::loadWLFirst(DataStream &stream)
{
    return stream.status() == QDataStream::Ok;
}

bool Frame::saveWLSecond(DataStream &)
{
    return true;
}

bool Frame::loadWLSecond(DataStream &stream)
{
    return stream.status() == QDataStream::Ok;
}

void Frame::check(QTreeWidget *, int)
{
}

QList<GraphicsScene *> Frame::pages() const
{
    QList<GraphicsScene *> result;
    if (!m_treeItem)
        return result;
    for (int i = 0; i < m_treeItem->childCount(); ++i) {
        auto *row = dynamic_cast<ProjectItemOwner<GraphicsScene> *>(m_treeItem->child(i));
        if (row && row->owner())
            result.append(row->owner());
    }
    return result;
}

void Frame::printPages(QPainter *painter)
{
    if (!painter)
        return;
    auto *device = dynamic_cast<QPagedPaintDevice *>(painter->device());
    const QList<GraphicsScene *> list = pages();
    for (int i = 0; i < list.size(); ++i) {
        if (i > 0 && device)
            device->newPage();
        list[i]->printScene(painter);
    }
}

void Frame::appendPages(QList<GraphicsScene *> &pages)
{
    for (GraphicsScene *page : this->pages())
        page->appendTo(pages);
}

// The frame's part of the item protocol of the managers.
namespace itemprotocol {

ProjectItemBase *node(Frame *item)
{
    return item->treeItem();
}

void writeRecord(Frame *item, DataStream &stream)
{
    item->writeProperties(stream);
}

void readRecord(Frame *item, DataStream &stream)
{
    item->readProperties(stream);
}

void saveFirst(Frame *item, DataStream &stream)
{
    item->saveFirst(stream);
}

bool loadFirst(Frame *item, DataStream &stream)
{
    return item->loadFirst(stream);
}

bool saveSecond(Frame *item, DataStream &stream)
{
    return item->saveSecond(stream);
}

bool loadSecond(Frame *item, DataStream &stream)
{
    return item->loadSecond(stream);
}

bool updatePointers(Frame *item, bool second)
{
    return item->updatePointers(second);
}

void saveWLFirst(Frame *item, DataStream &stream)
{
    item->saveWLFirst(stream);
}

bool loadWLFirst(Frame *item, DataStream &stream)
{
    return item->loadWLFirst(stream);
}

bool saveWLSecond(Frame *item, DataStream &stream)
{
    return item->saveWLSecond(stream);
}

bool loadWLSecond(Frame *item, DataStream &stream)
{
    return item->loadWLSecond(stream);
}

bool updateWLPointers(Frame *)
{
    return true;
}

void check(Frame *item, QTreeWidget *results, int code)
{
    item->check(results, code);
}

void printAll(Frame *item, QPainter *painter)
{
    item->printPages(painter);
}

void appendPages(Frame *item, QList<GraphicsScene *> &pages)
{
    item->appendPages(pages);
}

void saveClipboard(Frame *, DataStream &)
{
}

void loadClipboard(Frame *, DataStream &)
{
}

void saveClipboardGeometry(Frame *, DataStream &)
{
}

void loadClipboardGeometry(Frame *, DataStream &)
{
}

void markChanged(Frame *)
{
}

} // namespace itemprotocol

DlgPropFrame::DlgPropFrame(Project *project)
    : DlgProp(project)
    , m_project(project)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *grid = new RGridLayout();
    layout->addLayout(grid);

    m_number = new QSpinBox(this);
    m_number->setRange(0, 5);
    m_number->setValue(1);
    grid->addWidget(new QLabel(tr("Frame number:"), this), 0, 0);
    grid->addWidget(m_number, 0, 1);

    m_atr = new QSpinBox(this);
    m_atr->setRange(0, 999);
    m_atr->setValue(1);
    grid->addWidget(new QLabel(tr("ATR number:"), this), 1, 0);
    grid->addWidget(m_atr, 1, 1);

    m_comment = new RLineEdit(this, 200);
    grid->addWidget(new QLabel(tr("Comment:"), this), 2, 0);
    grid->addWidget(m_comment, 2, 1);

    layout->addStretch();
    addButtons(layout);
}

Frame *DlgPropFrame::execDialog(Frame *frame)
{
    m_frame = frame;
    if (frame)
        loadFromObject();
    if (execModal(this) != QDialog::Accepted)
        return nullptr;
    if (!m_frame) {
        m_frame = new Frame(m_project);
        if (!CHECK_PTR(m_frame))
            return nullptr;
    }
    saveToObject();
    return m_frame;
}

void DlgPropFrame::loadFromObject()
{
    if (!CHECK_PTR(m_frame))
        return;
    m_number->setValue(m_frame->address().field(2));
    m_atr->setValue(m_frame->atrNumber());
    m_comment->setText(m_frame->comment());
}

void DlgPropFrame::saveToObject()
{
    if (!CHECK_PTR(m_frame))
        return;
    Address address = m_frame->address();
    address.setField(2, quint8(m_number->value()));
    m_frame->setAtrNumber(m_atr->value());
    m_frame->setAddressField(address, 2);
    m_frame->setComment(m_comment->text().simplified());
}
