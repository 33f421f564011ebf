#ifndef RLAY_FRAMEPAGEVIEW_H
#define RLAY_FRAMEPAGEVIEW_H

// The small preview of a sheet's outline in the scheme properties dialog:
// one paper per sheet across, upright or turned, centred in a sunken panel.

#include <QFrame>
#include <QList>
#include <QRect>

class FramePageView : public QFrame
{
    Q_OBJECT

public:
    explicit FramePageView(QWidget *parent);

    bool isPortrait() const { return m_portrait; }
    int sheetsAcross() const { return m_sheetsAcross; }
    void setPage(bool portrait, int sheetsAcross);

    // The papers drawn, left to right, in widget coordinates.
    QList<QRect> sheetRects() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_portrait = true;
    int m_sheetsAcross = 1;
    int m_margin = 8;
};

#endif
