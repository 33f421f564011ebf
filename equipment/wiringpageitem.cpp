#include "equipment/wiringpageitem.h"

#include "equipment/frame.h"

WiringPageItem::WiringPageItem(Frame *frame, int pageClass, int kind, const QString &name, int number)
    : SceneItem(nullptr)
    , m_frame(frame)
    , m_pageClass(pageClass)
    , m_kind(kind)
{
    // The texts a built page gives its row.
    setText(0, QString::asprintf(" %.2d", number));
    setText(1, name);
}

void WiringPageItem::doubleClicked()
{
    // A list that no longer matches the frame gives way to the pages built
    // now, this row with it: nothing is shown then.
    if (isListedOnly() && (!m_frame || !m_frame->buildWiringPages()))
        return;
    SceneItem::doubleClicked();
}
