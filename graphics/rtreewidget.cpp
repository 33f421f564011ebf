#include "graphics/rtreewidget.h"

#include "model/check.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QTextEdit>

RTreeWidget::RTreeWidget(QWidget *parent, int width, int height)
    : QTreeWidget(parent)
{
    if (width != 0 || height != 0)
        m_sizeHint = QSize(width, height);
    else
        m_sizeHint = QTreeWidget::sizeHint();
    setRootIsDecorated(false);
    setAlternatingRowColors(true);
    setSortingEnabled(true);
    sortByColumn(0, Qt::AscendingOrder);
}

QSize RTreeWidget::sizeHint() const
{
    return m_sizeHint;
}

void RTreeWidget::setClipboardMenuEnabled(bool enabled)
{
    m_clipboardMenuEnabled = enabled;
}

void RTreeWidget::copy()
{
    QTreeWidgetItem *header = headerItem();
    if (!CHECK_PTR(header) || !m_clipboardMenuEnabled)
        return;

    // Cell texts are escaped, so names such as "R<1" or "A&B" arrive intact
    // instead of being read as markup.
    QString html = QStringLiteral("<html><table border='1'><tr>");
    for (int column = 0; column < header->columnCount(); ++column)
        html += QStringLiteral("<td><b>") + header->text(column).toHtmlEscaped() + QStringLiteral("</b></td>");
    html += QStringLiteral("</tr>");

    if (!CHECK(invisibleRootItem()))
        return;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = topLevelItem(row);
        if (!CHECK_PTR(item))
            continue;
        html += QStringLiteral("<tr>");
        for (int column = 0; column < item->columnCount(); ++column)
            html += QStringLiteral("<td>") + item->text(column).toHtmlEscaped() + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></html>");

    // The text editor's copy puts the table on the clipboard both as rich
    // text and as plain text.
    QTextEdit *edit = new QTextEdit();
    edit->setHtml(html);
    edit->selectAll();
    edit->copy();
    delete edit;
}

void RTreeWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && m_clipboardMenuEnabled) {
        QMenu menu(this);
        QAction *copyAction = menu.addAction(tr("Copy to clipboard"));
        if (menu.exec(event->globalPosition().toPoint()) == copyAction) {
            copy();
            event->accept();
            return;
        }
    }
    QTreeWidget::mouseReleaseEvent(event);
}
