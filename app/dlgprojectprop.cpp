#include "app/dlgprojectprop.h"

#include "equipment/cable.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/project.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

namespace {

enum Property {
    TreatyNumber = 0,
    Title = 1,
    ObjectName = 2,
    Organization = 3,
    FirstMember = 4,
    SecondColumnMember = 10,
    Stage = 16,
    Date = 17
};

const char dateFormat[] = "MM.yy";

} // namespace

DlgProjectProp::DlgProjectProp(QWidget *parent)
    : DlgProp(parent)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *tabs = new QTabWidget(this);
    layout->addWidget(tabs);

    // Basic.
    auto *basic = new QFrame(tabs);
    auto *basicLayout = new RVBoxLayout(basic, 5, 5);
    auto *grid = new RGridLayout();
    basicLayout->addLayout(grid);
    basicLayout->addStretch();
    tabs->addTab(basic, tr("Basic"));

    const int lineHeight = basic->fontMetrics().lineSpacing() + 5;
    m_treatyNumber = new RLineEdit(basic, 0);
    m_title = new QTextEdit(basic);
    m_title->setFixedHeight(3 * lineHeight);
    m_objectName = new QTextEdit(basic);
    m_objectName->setFixedHeight(2 * lineHeight);
    m_organization = new QTextEdit(basic);
    m_organization->setFixedHeight(2 * lineHeight);
    // Several lines each, but Tab moves on to the next field, as in the
    // single-line ones: a tab in a title prints as a gap on every sheet.
    for (QTextEdit *edit : {m_title, m_objectName, m_organization})
        edit->setTabChangesFocus(true);
    auto *membersGrid = new RGridLayout();
    for (int row = 0; row < MemberRows; ++row) {
        for (int column = 0; column < 2; ++column) {
            m_members[column][row] = new RLineEdit(basic, 0);
            membersGrid->addWidget(m_members[column][row], row, column);
        }
    }
    m_stage = new RLineEdit(basic, 0);
    m_date = new QDateEdit(basic);
    m_date->setDisplayFormat(QString::fromLatin1(dateFormat));
    m_language = new RComboBox(basic, 0);
    for (int i = 0; i < Project::LanguageCount; ++i)
        m_language->addItem(Project::languageName(i), i);

    grid->addWidget(new QLabel(tr("Treaty number:"), basic), 0, 0);
    grid->addWidget(m_treatyNumber, 0, 1);
    grid->addWidget(new QLabel(tr("Title:"), basic), 1, 0);
    grid->addWidget(m_title, 1, 1);
    grid->addWidget(new QLabel(tr("Object name:"), basic), 2, 0);
    grid->addWidget(m_objectName, 2, 1);
    grid->addWidget(new QLabel(tr("Organization:"), basic), 3, 0);
    grid->addWidget(m_organization, 3, 1);
    grid->addWidget(new QLabel(tr("Members:"), basic), 4, 0);
    grid->addLayout(membersGrid, 4, 1);
    grid->addWidget(new QLabel(tr("Stage:"), basic), 5, 0);
    grid->addWidget(m_stage, 5, 1);
    grid->addWidget(new QLabel(tr("Date:"), basic), 6, 0);
    grid->addWidget(m_date, 6, 1);
    grid->addWidget(new QLabel(tr("Language:"), basic), 7, 0);
    grid->addWidget(m_language, 7, 1);

    // Additional.
    auto *additional = new QFrame(tabs);
    auto *additionalLayout = new RVBoxLayout(additional, 5, 5);
    tabs->addTab(additional, tr("Additional"));
    additionalLayout->addWidget(new QLabel(tr("Types uses cables:"), additional));
    m_cableTypes = new QTableWidget(Cable::TypeCount, 2, additional);
    m_cableTypes->setHorizontalHeaderLabels({tr("Type cable"), tr("Use")});
    m_cableTypes->setColumnWidth(0, 100);
    m_cableTypes->setColumnWidth(1, 60);
    for (int row = 0; row < Cable::TypeCount; ++row) {
        m_cableTypes->setRowHeight(row, 20);
        m_cableTypes->setItem(row, 0, new QTableWidgetItem(Cable::typeName(row)));
        m_cableTypes->setItem(row, 1, new QTableWidgetItem(QString()));
    }
    additionalLayout->addWidget(m_cableTypes);
    m_twistedPair = new QCheckBox(tr("Use twisted pair as standart cable"), additional);
    additionalLayout->addWidget(m_twistedPair);

    addButtons(layout);
}

void DlgProjectProp::setFromProject(Project *project)
{
    if (!CHECK_PTR(project))
        return;
    QString properties[Project::PropertyCount];
    for (int i = 0; i < Project::PropertyCount; ++i)
        properties[i] = project->projectProperty(i);
    fill(properties, project->language(), usedCableTypes, twistedPairStandard);
}

void DlgProjectProp::setFromDefaults()
{
    const QString properties[Project::PropertyCount];
    fill(properties, Project::DefaultLanguage, Cable::defaultUsedTypes(), true);
}

void DlgProjectProp::fill(const QString *properties, int language, const QList<int> &usedTypes, bool twistedPair)
{
    m_treatyNumber->setText(properties[TreatyNumber]);
    m_title->setPlainText(properties[Title]);
    m_objectName->setPlainText(properties[ObjectName]);
    m_organization->setPlainText(properties[Organization]);
    m_stage->setText(properties[Stage]);
    for (int row = 0; row < MemberRows; ++row) {
        m_members[0][row]->setText(properties[FirstMember + row]);
        m_members[1][row]->setText(properties[SecondColumnMember + row]);
    }

    m_dateText = properties[Date];
    const QDate date = QDate::fromString(m_dateText, QString::fromLatin1(dateFormat));
    if (date.isValid())
        m_date->setDate(date);
    m_dateShown = m_date->date();

    const int index = m_language->findData(language);
    if (CHECK(index >= 0))
        m_language->setCurrentIndex(index);

    for (int row = 0; row < Cable::TypeCount; ++row) {
        QTableWidgetItem *use = m_cableTypes->item(row, 1);
        if (!CHECK_PTR(use))
            continue;
        if (!usedTypes.contains(row))
            use->setText(QStringLiteral("0"));
    }

    m_twistedPair->setChecked(twistedPair);
}

void DlgProjectProp::applyToProject(Project *project)
{
    if (!CHECK_PTR(project))
        return;
    project->setProjectProperty(TreatyNumber, m_treatyNumber->text());
    project->setProjectProperty(Title, m_title->toPlainText());
    project->setProjectProperty(ObjectName, m_objectName->toPlainText());
    project->setProjectProperty(Organization, m_organization->toPlainText());
    project->setProjectProperty(Stage, m_stage->text());
    const QDate date = m_date->date();
    project->setProjectProperty(Date, date == m_dateShown ? m_dateText
                                                          : date.toString(QString::fromLatin1(dateFormat)));
    for (int row = 0; row < MemberRows; ++row) {
        project->setProjectProperty(FirstMember + row, m_members[0][row]->text());
        project->setProjectProperty(SecondColumnMember + row, m_members[1][row]->text());
    }
    project->setLanguage(m_language->comboCurrentData());

    usedCableTypes.clear();
    for (int row = 0; row < Cable::TypeCount; ++row) {
        QTableWidgetItem *use = m_cableTypes->item(row, 1);
        if (!CHECK_PTR(use))
            continue;
        if (use->text() != QLatin1String("0"))
            usedCableTypes.append(row);
    }
    twistedPairStandard = m_twistedPair->isChecked();
}

void DlgProjectProp::btnOkClick()
{
    accept();
}
