#ifndef RLAY_DLGPROPTEXT_H
#define RLAY_DLGPROPTEXT_H

// The property dialog of a text: the text, its font, colour and one of
// four alignments (left, right, centre, justify) for the whole text.

#include "graphics/dlgpropgraphicsitem.h"

class QAction;
class QActionGroup;
class QTextEdit;
class RColorPushButton;
class RFontPushButton;

class DlgPropText : public DlgPropGraphicsItem
{
    Q_OBJECT

public:
    explicit DlgPropText(GraphicsScene *scene);

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;

    // The alignment flags of the rows of the alignment actions.
    static int rowAlignment(int row);

    QTextEdit *textEdit() const { return m_edit; }
    RFontPushButton *fontButton() const { return m_font; }
    RColorPushButton *colorButton() const { return m_color; }
    QActionGroup *alignmentGroup() const { return m_alignGroup; }

public slots:
    // The whole text takes the alignment of the action's row.
    void setTextAlign(QAction *action);

private:
    // The action's row, or -1 after a failed check.
    static int actionRow(QAction *action);

    QActionGroup *m_alignGroup = nullptr;
    QTextEdit *m_edit = nullptr;
    RFontPushButton *m_font = nullptr;
    RColorPushButton *m_color = nullptr;
};

#endif
