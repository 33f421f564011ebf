#include "equipment/wiringpageitem.h"

#include "equipment/frame.h"
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
    // A list that no longer matches the frame gives way to the pages built
    // now, this row with it: nothing is shown then.
    if (isListedOnly() && (!m_frame || !m_frame->buildWiringPages()))
        return;
    SceneItem::doubleClicked();
}
