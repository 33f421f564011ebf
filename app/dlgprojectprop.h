#ifndef RLAY_DLGPROJECTPROP_H
#define RLAY_DLGPROJECTPROP_H

// The project properties: contract number, title, object, organisation,
// the members who sign the documents, stage, date and the language of the
// title blocks; on a second tab the cable types in use and whether twisted
// pair is the standard cable.

#include "graphics/dlgprop.h"

#include <QDate>
#include <QList>
#include <QString>

class Project;
class QCheckBox;
class QDateEdit;
class QTableWidget;
class QTextEdit;
class RComboBox;
class RLineEdit;

class DlgProjectProp : public DlgProp
{
    Q_OBJECT

public:
    enum { MemberRows = 6 };

    explicit DlgProjectProp(QWidget *parent);

    void setFromProject(Project *project);
    // As a new project has them: empty texts, the default language, the
    // default cable types and twisted pair as the standard.
    void setFromDefaults();
    void applyToProject(Project *project);

    RLineEdit *treatyNumberEdit() const { return m_treatyNumber; }
    RLineEdit *stageEdit() const { return m_stage; }
    QTextEdit *titleEdit() const { return m_title; }
    QTextEdit *objectNameEdit() const { return m_objectName; }
    QTextEdit *organizationEdit() const { return m_organization; }
    RLineEdit *memberEdit(int column, int row) const { return m_members[column][row]; }
    RComboBox *languageCombo() const { return m_language; }
    QDateEdit *dateEdit() const { return m_date; }
    QCheckBox *twistedPairBox() const { return m_twistedPair; }
    QTableWidget *cableTypesTable() const { return m_cableTypes; }

protected slots:
    void btnOkClick() override;

private:
    void fill(const QString *properties, int language, const QList<int> &usedTypes, bool twistedPair);

    RLineEdit *m_treatyNumber = nullptr;
    RLineEdit *m_stage = nullptr;
    QTextEdit *m_title = nullptr;
    QTextEdit *m_objectName = nullptr;
    QTextEdit *m_organization = nullptr;
    RLineEdit *m_members[2][MemberRows] = {};
    RComboBox *m_language = nullptr;
    QDateEdit *m_date = nullptr;
    QCheckBox *m_twistedPair = nullptr;
    QTableWidget *m_cableTypes = nullptr;
    // The date text the dialog was filled with and the date it showed for
    // it: an untouched date gives the text back as it was.
    QString m_dateText;
    QDate m_dateShown;
};

#endif
