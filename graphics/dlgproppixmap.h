#ifndef RLAY_DLGPROPPIXMAP_H
#define RLAY_DLGPROPPIXMAP_H

// The property dialog of a picture: the image file to take in, the layer
// (behind or above the other items) and an optional rework of the image's
// background (white made transparent, or transparent made white).

#include "graphics/dlgpropgraphicsitem.h"

class QRadioButton;
class RLineEdit;

class DlgPropPixmap : public DlgPropGraphicsItem
{
    Q_OBJECT

public:
    explicit DlgPropPixmap(GraphicsScene *scene);

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;

    RLineEdit *fileNameEdit() const { return m_fileName; }
    QRadioButton *backgroundButton() const { return m_background; }
    QRadioButton *foregroundButton() const { return m_foreground; }
    QRadioButton *transparentButton() const { return m_transparent; }
    QRadioButton *whiteButton() const { return m_white; }
    bool isEditing() const { return m_editing; }

    // The file dialog's filter: every readable image format.
    static QString imageFilter();

public slots:
    void btnBrowseClick();

protected slots:
    // Refuses an empty name for a new picture, a missing file and a file
    // that holds no readable image; the dialog then stays open.
    void btnOkClick() override;

private:
    RLineEdit *m_fileName = nullptr;
    QRadioButton *m_background = nullptr;
    QRadioButton *m_foreground = nullptr;
    QRadioButton *m_transparent = nullptr;
    QRadioButton *m_white = nullptr;
    bool m_editing = false;
};

#endif
