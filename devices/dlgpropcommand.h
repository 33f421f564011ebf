#ifndef RLAY_DLGPROPCOMMAND_H
#define RLAY_DLGPROPCOMMAND_H

// The property dialog of a command item. On the left every command of the
// project (double-clicking one shows it on its scheme); on the right the
// project's modules with "Add", "Del" and "Repl" (named from the module
// type and number), how many modules the commands need of each type, the
// command's kind (four symbol buttons), signal, template group, template
// and its parameters with a preview of the command's text, the comments and
// the title switch. The module chosen in the modules table is the one the
// item binds to on OK; the module gives the item its command number.

#include "graphics/dlgpropgraphicsobjitem.h"

#include <QList>

class GraphicsCommand;
class Module;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QSpinBox;
class QTableWidget;
class QTextEdit;
class RComboBox;
class RLineEdit;
class RTreeWidget;

class DlgPropCommand : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    explicit DlgPropCommand(GraphicsScene *scene);
    ~DlgPropCommand() override;

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    // The module takes the chosen type.
    void saveObj(Obj *obj) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;
    // The module's type and number go into the type combo and the spin box.
    void objSelected(Obj *obj, QTreeWidgetItem *row) override;

    // Every command item of the project's schemes, group by group, scheme
    // by scheme, in each scheme's item order.
    static QList<GraphicsCommand *> collectCommandItems(Project *project);
    // Counts the commands and modules of each type anew.
    void updateModuleTables();

    // The module chosen in the modules table, null when none is.
    Module *selectedModule() const;
    int currentType() const { return m_currentType; }

    RTreeWidget *commandsTable() const { return m_commandsTable; }
    RTreeWidget *typesTable() const { return m_typesTable; }
    QSpinBox *numberSpin() const { return m_numberSpin; }
    RComboBox *typeCombo() const { return m_typeCombo; }
    QButtonGroup *kindGroup() const { return m_kindGroup; }
    RComboBox *signalCombo() const { return m_signalCombo; }
    RComboBox *groupCombo() const { return m_groupCombo; }
    RComboBox *templateCombo() const { return m_templateCombo; }
    RLineEdit *commandEdit() const { return m_commandEdit; }
    QTableWidget *paramTable() const { return m_paramTable; }
    RLineEdit *commentGiEdit() const { return m_commentGiEdit; }
    QTextEdit *leftPinEdit() const { return m_leftPinEdit; }
    QTextEdit *rightPinEdit() const { return m_rightPinEdit; }
    QCheckBox *drawTitleCheck() const { return m_drawTitleCheck; }

public slots:
    // The name of the module made or renamed is the type's name followed
    // by the number.
    void btnAddObjClick() override;
    void btnDelObjClick() override;
    void btnReplObjClick() override;
    // The signals and groups of the kind's module type, when it is not
    // the type shown already.
    void buttonReleased(int kind);
    void changeGroupTemplate(int index);
    // Shows as many parameter columns as the template has placeholders.
    void changeTemplate(int index);
    // The preview of the command's text.
    void changeTemplateParam();
    // Shows the row's command on its scheme and closes the dialog.
    void doubleClickOfTableCommands(QTreeWidgetItem *row);

protected slots:
    // The chosen module must take a command of the chosen kind.
    void btnOkClick() override;

private:
    // The type's name and the number: the name of a module to add or
    // rename.
    QString enteredModuleName() const;

    RTreeWidget *m_commandsTable = nullptr;
    RTreeWidget *m_typesTable = nullptr;
    QSpinBox *m_numberSpin = nullptr;
    RComboBox *m_typeCombo = nullptr;
    QButtonGroup *m_kindGroup = nullptr;
    RComboBox *m_signalCombo = nullptr;
    RComboBox *m_groupCombo = nullptr;
    RComboBox *m_templateCombo = nullptr;
    RLineEdit *m_commandEdit = nullptr;
    QTableWidget *m_paramTable = nullptr;
    RLineEdit *m_commentGiEdit = nullptr;
    QTextEdit *m_leftPinEdit = nullptr;
    QTextEdit *m_rightPinEdit = nullptr;
    QCheckBox *m_drawTitleCheck = nullptr;
    int m_currentType = -1;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropCommand(GraphicsScene *scene);

#endif
