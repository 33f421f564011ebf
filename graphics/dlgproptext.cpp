#include "graphics/dlgproptext.h"

#include "graphics/font.h"
#include "graphics/graphicstext.h"
#include "graphics/rcolorpushbutton.h"
#include "graphics/rfontpushbutton.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QIcon>
#include <QTextEdit>
#include <QToolBar>

namespace {

struct AlignRow
{
    const char *icon;
    const char *text;
    int flags;
};

const AlignRow alignRows[4] = {
    {":/images/textleft.png", QT_TRANSLATE_NOOP("GraphicsText", "Left"), Qt::AlignLeft},
    {":/images/textright.png", QT_TRANSLATE_NOOP("GraphicsText", "Right"), Qt::AlignRight},
    {":/images/textcenter.png", QT_TRANSLATE_NOOP("GraphicsText", "Center"), Qt::AlignCenter},
    {":/images/textjustify.png", QT_TRANSLATE_NOOP("GraphicsText", "Justify"), Qt::AlignJustify},
};

} // namespace

DlgPropText::DlgPropText(GraphicsScene *scene)
    : DlgPropGraphicsItem(scene)
{
    auto *main = new RVBoxLayout(this, 5, 5);
    auto *row = new RHBoxLayout();

    auto *toolBar = new QToolBar(this);
    toolBar->setOrientation(Qt::Vertical);
    m_alignGroup = new QActionGroup(this);
    m_alignGroup->setExclusive(true);
    for (int i = 0; i < 4; ++i) {
        auto *action = new QAction(QIcon(QString::fromLatin1(alignRows[i].icon)),
                                   QCoreApplication::translate("GraphicsText", alignRows[i].text), m_alignGroup);
        action->setCheckable(true);
        action->setData(i);
        toolBar->addAction(action);
    }
    m_alignGroup->actions().first()->setChecked(true);
    row->addWidget(toolBar);

    m_edit = new QTextEdit(this);
    row->addWidget(m_edit);

    auto *column = new RVBoxLayout();
    m_font = new RFontPushButton(this);
    column->addWidget(m_font);
    m_color = new RColorPushButton(this);
    column->addWidget(m_color);
    column->addStretch();
    row->addLayout(column);

    main->addLayout(row);
    addButtons(main);

    connect(m_alignGroup, &QActionGroup::triggered, this, &DlgPropText::setTextAlign);

    if (hasFontSet())
        m_font->setSelectedFont(::font(3));
    m_color->setColor(Qt::black);
}

int DlgPropText::rowAlignment(int row)
{
    return row >= 0 && row < 4 ? alignRows[row].flags : 0;
}

int DlgPropText::actionRow(QAction *action)
{
    if (!CHECK_PTR(action))
        return -1;
    const uint row = action->data().toUInt();
    if (!CHECK(row < 4))
        return -1;
    return int(row);
}

void DlgPropText::setTextAlign(QAction *action)
{
    const int row = actionRow(action);
    if (row < 0)
        return;
    const QString text = m_edit->toPlainText();
    m_edit->clear();
    m_edit->setAlignment(Qt::Alignment(alignRows[row].flags));
    m_edit->insertPlainText(text);
}

void DlgPropText::loadFromItem(GraphicsItem *item)
{
    auto *text = dynamic_cast<GraphicsText *>(item);
    if (!CHECK_PTR(text))
        return;
    m_font->setSelectedFont(fromScreenFont(text->font()));
    m_color->setColor(text->color());

    const QList<QAction *> actions = m_alignGroup->actions();
    for (QAction *action : actions) {
        const int row = actionRow(action);
        if (row < 0)
            continue;
        if ((alignRows[row].flags & 31) == (text->alignment() & 31)) {
            action->setChecked(true);
            break;
        }
    }

    m_edit->clear();
    m_edit->setAlignment(Qt::Alignment(text->alignment()));
    m_edit->insertPlainText(text->text());
}

void DlgPropText::saveToItem(GraphicsItem *item)
{
    auto *text = dynamic_cast<GraphicsText *>(item);
    if (!CHECK_PTR(text))
        return;
    text->setFont(toScreenFont(m_font->selectedFont()));
    text->setColor(m_color->color());
    text->setAlignment(int(m_edit->alignment()) | Qt::AlignBottom);
    text->setText(m_edit->toPlainText());
}
