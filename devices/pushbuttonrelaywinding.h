#ifndef RLAY_PUSHBUTTONRELAYWINDING_H
#define RLAY_PUSHBUTTONRELAYWINDING_H

// A checkable button that shows one connection variant of a relay winding:
// the coil picture, the names of the coil ends and the jumper caption. The
// relay dialog offers one per variant of the chosen winding.

#include <QPushButton>

class PushButtonRelayWinding : public QPushButton
{
    Q_OBJECT

public:
    explicit PushButtonRelayWinding(QWidget *parent = nullptr);

    QSize sizeHint() const override;

    // Shows the variant; the same three indices change nothing.
    void setType(int type, int winding, int variant);

    int relayType() const { return m_type; }
    int winding() const { return m_winding; }
    int variant() const { return m_variant; }
    double shift() const { return m_shift; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qint32 m_type = -1;
    quint8 m_winding = 255;
    quint8 m_variant = 255;
    int m_width;
    int m_height;
    double m_margin = 12.0;
    double m_shift = 0;
};

#endif
