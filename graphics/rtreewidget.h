#ifndef RLAY_RTREEWIDGET_H
#define RLAY_RTREEWIDGET_H

// Flat table of the dialogs and tool windows: sorted by its first column,
// with alternating row colours, and copied to the clipboard as an HTML
// table (bold header row) and plain text from a right-click menu.

#include <QSize>
#include <QTreeWidget>

class RTreeWidget : public QTreeWidget
{
    Q_OBJECT

public:
    // A width and height of 0 keep the framework's preferred size.
    RTreeWidget(QWidget *parent, int width, int height);

    QSize sizeHint() const override;

    // Switches the right-click menu, and copy() with it.
    void setClipboardMenuEnabled(bool enabled);
    bool isClipboardMenuEnabled() const { return m_clipboardMenuEnabled; }

public slots:
    // Copies the header and the top-level rows, in their shown order.
    void copy();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QSize m_sizeHint;
    bool m_clipboardMenuEnabled = true;
};

#endif
