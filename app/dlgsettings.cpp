#include "app/dlgsettings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

DlgSettings::DlgSettings(QWidget *parent)
    : QDialog(parent)
{
    QVBoxLayout *layout = new QVBoxLayout(this);
    auto addBox = [&](const QString &text, bool checked) {
        QCheckBox *box = new QCheckBox(text, this);
        box->setChecked(checked);
        layout->addWidget(box);
        return box;
    };
    m_hideHelp = addBox(tr("Hide help"), hideHelp);
    m_showSchemeName = addBox(tr("Show scheme name in wiringlayouts"), showSchemeName);
    m_showStrTemplateCommand = addBox(tr("Show name commands DC in schemes"), showStrTemplateCommand);
    m_showStrSolderCommandInTable =
        addBox(tr("Show col solder command in table DC"), showStrSolderCommandInTable);
    m_showAtrNumWith0 = addBox(tr("Show atr num with 0"), showAtrNumWith0);
    m_showNumContacts = addBox(tr("Show num contacts"), showNumContacts);
    m_showBigDeviceNames = addBox(tr("Show big device names"), showBigDeviceNames);

    QHBoxLayout *buttons = new QHBoxLayout;
    QPushButton *ok = new QPushButton(tr("Ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &DlgSettings::btnOkClick);
    QPushButton *cancel = new QPushButton(tr("Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &DlgSettings::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void DlgSettings::btnOkClick()
{
    const QCheckBox *boxes[DisplayFlagCount] = {m_hideHelp,        m_showSchemeName,  m_showStrTemplateCommand,
                                                m_showStrSolderCommandInTable, m_showAtrNumWith0,
                                                m_showNumContacts, m_showBigDeviceNames};
    for (int i = 0; i < DisplayFlagCount; ++i)
        *displayFlags[i] = boxes[i]->isChecked();
    saveDisplayFlags();
    accept();
}
