#include "equipment/wiringpageitem.h"

#include "equipment/frame.h"

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
        if (column == 0) {
            // As printf's " %.2d" gives it, without parsing a format for
            // each row the tree sorts.
            if (m_number >= 0)
                return (m_number < 10 ? QStringLiteral(" 0") : QStringLiteral(" ")) + QString::number(m_number);
            return QString::asprintf(" %.2d", m_number);
        }
        return m_name;
    }
    return SceneItem::data(column, role);
}

bool WiringPageItem::showsText(int column, const QString &text) const
{
    if (column == 1)
        return text == m_name;
    // " 05" for 5, " 12" for 12, as data() works it out; other numbers as
    // data() gives them.
    if (m_number < 0 || m_number > 99)
        return text == data(column, Qt::DisplayRole).toString();
    return text.size() == 3 && text[0] == QLatin1Char(' ') && text[1] == QLatin1Char(char('0' + m_number / 10))
        && text[2] == QLatin1Char(char('0' + m_number % 10));
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
