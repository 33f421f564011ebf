#ifndef RLAY_WIRINGPAGEITEM_H
#define RLAY_WIRINGPAGEITEM_H

// The project-tree row of a wiring page. A load lists every frame's pages
// as rows only; the pages of a frame are built, all at once, when one of
// them is first wanted: opened, printed, saved as PDF, or given drawings
// by a file. Until then the row stands for its page by the page's class,
// kind, name and sheet number, and a page never built holds no drawings
// of the user. The built page takes the row as its own.

#include "graphics/sceneitem.h"

class Frame;

class WiringPageItem : public SceneItem
{
public:
    WiringPageItem(Frame *frame, int pageClass, int kind, const QString &name, int number);

    Frame *frame() const { return m_frame; }
    int pageClass() const { return m_pageClass; }
    int kind() const { return m_kind; }
    const QString &pageName() const { return m_name; }
    int number() const { return m_number; }
    // Whether the page is still to be built.
    bool isListedOnly() const { return !owner(); }

    // Until the page is built and sets texts of its own, the texts its row
    // would show (" %.2d" of the number, the name), answered without being
    // stored: a load lists many pages, and the page built in its place
    // shows the same.
    QVariant data(int column, int role) const override;
    // A text the row shows already is not stored: the page built takes
    // the row and sets the very texts it shows.
    void setData(int column, int role, const QVariant &value) override;
    // Builds the frame's pages first when this one is not built yet.
    void doubleClicked() override;

private:
    // Whether the text is the one the row works out for the column.
    bool showsText(int column, const QString &text) const;

    Frame *m_frame;
    int m_pageClass;
    int m_kind;
    int m_number;
    QString m_name;
};

#endif
