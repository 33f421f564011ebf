#include "schemes/framepageview.h"

#include "graphics/graphicsscene.h"

#include <QPainter>

#include <utility>

FramePageView::FramePageView(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setMinimumHeight(80);
}

void FramePageView::setPage(bool portrait, int sheetsAcross)
{
    m_portrait = portrait;
    m_sheetsAcross = sheetsAcross;
}

QList<QRect> FramePageView::sheetRects() const
{
    // The paper keeps the proportions of the first format (A4).
    int h = minimumHeight() - 2 * m_margin;
    int w = (paperFormats[0].width * h) / paperFormats[0].height;
    if (!m_portrait)
        std::swap(w, h);
    const int top = m_margin + (height() - 2 * m_margin - h) / 2;
    const int left = m_margin + (width() - 2 * m_margin - m_sheetsAcross * w) / 2;
    QList<QRect> rects;
    for (int i = 0; i < m_sheetsAcross; ++i)
        rects.append(QRect(left + i * w, top, w, h));
    return rects;
}

void FramePageView::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(QBrush(Qt::white, Qt::SolidPattern));
    const QList<QRect> rects = sheetRects();
    for (const QRect &rect : rects)
        painter.drawRect(rect);
}
