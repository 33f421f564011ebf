#include "graphics/rfontpushbutton.h"

#include "model/check.h"

#include <QFontDialog>

RFontPushButton::RFontPushButton(QWidget *parent)
    : QPushButton(parent)
{
    connect(this, &QPushButton::clicked, this, &RFontPushButton::showDlgFont);
}

void RFontPushButton::setSelectedFont(const QFont &font)
{
    m_font = font;
    setText(font.family() + QStringLiteral(", ") + QString::number(font.pointSize()));
}

void RFontPushButton::showDlgFont()
{
    QFontDialog dialog(m_font, this);
    if (execModal(&dialog) == QDialog::Accepted)
        setSelectedFont(dialog.selectedFont());
}
