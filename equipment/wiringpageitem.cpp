#include "equipment/wiringpageitem.h"

#include "equipment/frame.h"
#include "equipment/wiringlayout.h"
#include "graphics/graphicsscene.h"

WiringPageItem::WiringPageItem(Frame *frame, int pageClass, int kind, const QString &name, int number)
    : SceneItem(nullptr)
    , m_frame(frame)
    , m_pageClass(pageClass)
    , m_kind(kind)
    , m_number(number)
    , m_name(name)
{
}

QVariant WiringPageItem::data(int column, int role) const
{
    if (role == Qt::DisplayRole && (column == 0 || column == 1)) {
        // The page's own texts, once it set them.
        if (!isListedOnly()) {
            QVariant stored = SceneItem::data(column, role);
            if (stored.isValid())
                return stored;
        }
        if (column == 0)
            return GraphicsScene::numberText(m_number);
        return m_name;
    }
    return SceneItem::data(column, role);
}

bool WiringPageItem::showsText(int column, const QString &text) const
{
    return text == (column == 1 ? m_name : GraphicsScene::numberText(m_number));
}

void WiringPageItem::setData(int column, int role, const QVariant &value)
{
    if (role == Qt::DisplayRole && (column == 0 || column == 1) && value.metaType() == QMetaType::fromType<QString>()
        && showsText(column, *static_cast<const QString *>(value.constData()))
        && !SceneItem::data(column, role).isValid())
        return;
    SceneItem::setData(column, role, value);
}

void WiringPageItem::doubleClicked()
{
    if (!isListedOnly()) {
        SceneItem::doubleClicked();
        return;
    }
    Frame *frame = m_frame;
    QTreeWidgetItem *frameRow = frame ? frame->treeItem() : nullptr;
    if (!frameRow)
        return;
    // A list that no longer matches the frame gives way to the pages built
    // now, this row with it: the page shown is then the one built in its
    // stead, the same in turn among the pages of its class, kind and name.
    const int pageClass = m_pageClass;
    const int kind = m_kind;
    const QString name = m_name;
    int turn = 0;
    for (int i = 0; i < frameRow->childCount() && frameRow->child(i) != this; ++i) {
        auto *row = dynamic_cast<WiringPageItem *>(frameRow->child(i));
        turn += row && row->m_pageClass == pageClass && row->m_kind == kind && row->m_name == name ? 1 : 0;
    }
    frame->buildWiringPages();
    for (int i = 0; i < frameRow->childCount(); ++i) {
        auto *row = dynamic_cast<SceneItem *>(frameRow->child(i));
        auto *page = row ? qobject_cast<WiringLayout *>(row->owner()) : nullptr;
        if (page && page->pageClass() == pageClass && page->kind() == kind && page->name() == name && turn-- == 0) {
            row->doubleClicked();
            return;
        }
    }
}
