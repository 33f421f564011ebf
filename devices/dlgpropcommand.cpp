#include "devices/dlgpropcommand.h"

#include "devices/graphicscommand.h"
#include "devices/module.h"
#include "devices/modulecatalogue.h"
#include "devices/pushbuttoncommand.h"
#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/project.h"
#include "schemes/scheme.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextEdit>

namespace {

const int paramCount = 10;

// Makes the entry whose data is the value current; a missing one is
// reported and the selection stays.
void selectData(QComboBox *combo, int value)
{
    const int index = combo->findData(value);
    if (!CHECK(index >= 0))
        return;
    combo->setCurrentIndex(index);
}

// The command item a row of the commands table keeps.
GraphicsCommand *commandOfRow(QTreeWidgetItem *row)
{
    if (!row)
        return nullptr;
    const QVariant stored = row->data(0, Qt::UserRole + 1);
    return stored.isValid() ? reinterpret_cast<GraphicsCommand *>(stored.value<quintptr>()) : nullptr;
}

} // namespace

DlgPropCommand::DlgPropCommand(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, ModuleKind, false)
{
    auto *layout = new RHBoxLayout(this, 5, 5);

    m_commandsTable = new RTreeWidget(this, 540, 550);
    m_commandsTable->setMinimumWidth(540);
    m_commandsTable->setClipboardMenuEnabled(false);
    setTreeColumns(m_commandsTable,
               {tr("Command name"), tr("Type"), tr("Signal"), tr("Scheme"), tr("Comment gi"),
                tr("Comment connect left pin"), tr("Comment connect right pin")},
               {400, 30, 20, 45, 40, 40, 40});
    layout->addWidget(m_commandsTable, 5);

    auto *fields = new RVBoxLayout();
    layout->addLayout(fields, 4);

    // The modules: number and type of the one to add or rename, the counts
    // by type, and the modules themselves.
    auto *top = new RHBoxLayout();
    auto *entry = new RVBoxLayout();
    auto *grid = new QGridLayout();
    grid->addWidget(new QLabel(tr("Number module:"), this), 0, 0);
    m_numberSpin = new QSpinBox(this);
    m_numberSpin->setRange(1, 9999);
    grid->addWidget(m_numberSpin, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Type module:"), this), 1, 0);
    m_typeCombo = new RComboBox(this, 80);
    for (int type = 0; type < ModuleTypeCount; ++type)
        m_typeCombo->insertComboItemSorted(Module::typeName(type), type);
    grid->addWidget(m_typeCombo, 1, 1, 1, 2);
    createObjButtons(grid, this, 2);
    entry->addLayout(grid);
    entry->addStretch();
    top->addLayout(entry);

    m_typesTable = new RTreeWidget(this, 150, 120);
    m_typesTable->setMinimumWidth(150);
    m_typesTable->setSortingEnabled(false);
    setTreeColumns(m_typesTable, {tr("Type module"), tr("Cnt commands"), tr("Cnt")}, {40, 50, 50});
    top->addWidget(m_typesTable);

    RTreeWidget *modules = createObjTable(60, 120, {tr("Modules")}, {50});
    modules->setMinimumWidth(60);
    top->addWidget(modules);
    fields->addLayout(top);

    // The base's Add and Repl read the module's name from here; it is made
    // from the type and the number.
    m_edObjName = new QLineEdit(this);
    m_edObjName->hide();

    createHLine(fields);

    // The four kinds.
    auto *kinds = new QGridLayout();
    kinds->setContentsMargins(0, 0, 0, 0);
    kinds->setSpacing(0);
    m_kindGroup = new QButtonGroup(this);
    m_kindGroup->setExclusive(true);
    for (int kind = 0; kind < CommandKindCount; ++kind) {
        auto *button = new PushButtonCommand(kind, this);
        m_kindGroup->addButton(button, kind);
        kinds->addWidget(button, 0, kind);
    }
    fields->addLayout(kinds);

    auto *choice = new QGridLayout();
    choice->addWidget(new QLabel(tr("Type signal:"), this), 0, 0);
    m_signalCombo = new RComboBox(this, 0);
    choice->addWidget(m_signalCombo, 0, 1);
    choice->addWidget(new QLabel(tr("Group template:"), this), 1, 0);
    m_groupCombo = new RComboBox(this, 0);
    choice->addWidget(m_groupCombo, 1, 1);
    fields->addLayout(choice);

    auto *text = new QGridLayout();
    text->addWidget(new QLabel(tr("Template:"), this), 0, 0);
    m_templateCombo = new RComboBox(this, 0);
    text->addWidget(m_templateCombo, 0, 1);
    text->addWidget(new QLabel(tr("Command:"), this), 1, 0);
    m_commandEdit = new RLineEdit(this, 0);
    m_commandEdit->setReadOnly(true);
    text->addWidget(m_commandEdit, 1, 1);
    fields->addLayout(text);

    m_paramTable = new QTableWidget(1, paramCount, this);
    QStringList headers;
    for (int c = 0; c < paramCount; ++c)
        headers << QLatin1Char('%') + QString::number(c + 1);
    m_paramTable->setHorizontalHeaderLabels(headers);
    m_paramTable->setFixedHeight(65);
    m_paramTable->setRowHeight(0, 20);
    for (int c = 0; c < paramCount; ++c) {
        m_paramTable->setColumnWidth(c, 70);
        m_paramTable->setItem(0, c, new QTableWidgetItem(QString()));
    }
    fields->addWidget(m_paramTable);

    auto *gi = new RHBoxLayout();
    gi->addWidget(new QLabel(tr("Comment gi:"), this));
    m_commentGiEdit = new RLineEdit(this, 0);
    gi->addWidget(m_commentGiEdit);
    fields->addLayout(gi);

    fields->addWidget(new QLabel(tr("Comment connect left pin gi (''co'', ''y2'', ''+''):"), this));
    m_leftPinEdit = new QTextEdit(this);
    m_leftPinEdit->setAcceptRichText(false);
    m_leftPinEdit->setFixedHeight(40);
    fields->addWidget(m_leftPinEdit);
    fields->addWidget(new QLabel(tr("Comment connect right pin gi (''c'', ''y1'', ''-''):"), this));
    m_rightPinEdit = new QTextEdit(this);
    m_rightPinEdit->setAcceptRichText(false);
    m_rightPinEdit->setFixedHeight(40);
    fields->addWidget(m_rightPinEdit);

    m_drawTitleCheck = new QCheckBox(tr("Need draw title"), this);
    m_drawTitleCheck->setChecked(true);
    fields->addWidget(m_drawTitleCheck);

    addButtons(fields);

    initObjTable(false, false);

    connect(m_kindGroup, &QButtonGroup::idReleased, this, &DlgPropCommand::buttonReleased);
    connect(m_groupCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DlgPropCommand::changeGroupTemplate);
    connect(m_templateCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DlgPropCommand::changeTemplate);
    connect(m_paramTable, &QTableWidget::cellPressed, this, &DlgPropCommand::changeTemplateParam);
    connect(m_paramTable, &QTableWidget::cellChanged, this, &DlgPropCommand::changeTemplateParam);
    connect(m_paramTable, &QTableWidget::cellEntered, this, &DlgPropCommand::changeTemplateParam);

    m_currentType = -1;
    m_kindGroup->button(0)->setChecked(true);
    buttonReleased(0);

    const QList<GraphicsCommand *> commands = collectCommandItems(project());
    for (GraphicsCommand *command : commands) {
        if (!CHECK_PTR(command))
            continue;
        const int type = moduleTypeOfKind(command->kind());
        auto *row = new QTreeWidgetItem(m_commandsTable);
        setTreeItemObject(row, command);
        row->setText(0, command->templateText());
        if (type >= 0) {
            row->setText(1, Module::typeModelName(type));
            if (command->signal() >= 0)
                row->setText(2, Module::signalName(type, command->signal()));
        }
        GraphicsScene *sheet = command->graphicsScene();
        row->setText(3, sheet ? sheet->displayName() : QString());
        row->setText(4, command->commentGi());
        row->setText(5, command->commentLeftPin());
        row->setText(6, command->commentRightPin());
    }

    updateModuleTables();
    connect(m_commandsTable, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *row, int) { doubleClickOfTableCommands(row); });
}

DlgPropCommand::~DlgPropCommand() = default;

QList<GraphicsCommand *> DlgPropCommand::collectCommandItems(Project *project)
{
    QList<GraphicsCommand *> result;
    SchemeMenager *schemes = project ? project->schemes() : nullptr;
    if (!schemes)
        return result;
    for (SchemeGroup *group : schemes->itemList()) {
        if (!CHECK_PTR(group))
            continue;
        for (Scheme *scheme : group->itemList()) {
            if (!CHECK_PTR(scheme))
                continue;
            for (GraphicsItem *item : scheme->graphicsItems()) {
                if (item && item->type() == GraphicsCommand::Type)
                    result.append(dynamic_cast<GraphicsCommand *>(item));
            }
        }
    }
    return result;
}

void DlgPropCommand::updateModuleTables()
{
    m_typesTable->clear();
    const QList<GraphicsCommand *> commands = collectCommandItems(project());
    for (int type = 0; type < ModuleTypeCount; ++type) {
        int count = 0;
        for (GraphicsCommand *command : commands) {
            if (command && moduleTypeOfKind(command->kind()) == type)
                ++count;
        }
        auto *row = new QTreeWidgetItem(m_typesTable);
        row->setText(0, Module::typeName(type));
        row->setText(1, QString::number(count));
        row->setText(2, QStringLiteral("%1 / %2")
                            .arg(Module::countOfType(project(), type))
                            .arg(divideRoundUp(count, Module::commandCount(type))));
    }
}

Module *DlgPropCommand::selectedModule() const
{
    const QList<QTreeWidgetItem *> selected = m_objTable->selectedItems();
    return selected.isEmpty() ? nullptr : dynamic_cast<Module *>(treeItemObj(selected.first()));
}

QString DlgPropCommand::enteredModuleName() const
{
    return m_typeCombo->currentText() + QString::number(m_numberSpin->value());
}

void DlgPropCommand::buttonReleased(int kind)
{
    const int type = commandKindModuleType(kind);
    if (type < 0 || type == m_currentType)
        return;
    m_signalCombo->clear();
    const int signalCount = Module::signalCount(type);
    for (int signal = 0; signal < signalCount; ++signal)
        m_signalCombo->insertComboItemSorted(Module::signalName(type, signal), signal);

    disconnect(m_groupCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
               &DlgPropCommand::changeGroupTemplate);
    m_groupCombo->clear();
    for (int group = 0; group < CommandGroupCount; ++group) {
        if (commandGroups[group].moduleType == type)
            m_groupCombo->insertComboItemSorted(commandGroupName(group), group);
    }
    if (m_groupCombo->count() > 0) {
        m_groupCombo->setCurrentIndex(0);
        changeGroupTemplate(0);
    }
    connect(m_groupCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DlgPropCommand::changeGroupTemplate);
    m_currentType = type;
}

void DlgPropCommand::changeGroupTemplate(int index)
{
    if (index < 0)
        return;
    const int group = m_groupCombo->itemData(index).toInt();
    disconnect(m_templateCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
               &DlgPropCommand::changeTemplate);
    m_templateCombo->clear();
    for (int row = 0; row < CommandTemplateCount; ++row) {
        if (commandTemplates[row].group == group)
            m_templateCombo->insertComboItemSorted(commandTemplateName(row), row);
    }
    if (m_templateCombo->count() > 0) {
        m_templateCombo->setCurrentIndex(0);
        changeTemplate(0);
    }
    connect(m_templateCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DlgPropCommand::changeTemplate);
}

void DlgPropCommand::changeTemplate(int index)
{
    if (index < 0)
        return;
    const int count = int(commandTemplateName(m_templateCombo->itemData(index).toInt()).count(QLatin1Char('%')));
    for (int c = 0; c < paramCount; ++c)
        m_paramTable->setColumnHidden(c, c >= count);
    changeTemplateParam();
}

void DlgPropCommand::changeTemplateParam()
{
    QStringList params;
    for (int c = 0; c < paramCount; ++c) {
        QTableWidgetItem *cell = m_paramTable->item(0, c);
        params << (CHECK_PTR(cell) ? cell->text() : QString());
    }
    if (m_templateCombo->currentIndex() < 0) {
        m_commandEdit->clear();
        return;
    }
    m_commandEdit->setText(composeTemplateText(m_templateCombo->comboCurrentData(), params));
}

void DlgPropCommand::doubleClickOfTableCommands(QTreeWidgetItem *row)
{
    GraphicsCommand *command = commandOfRow(row);
    if (!CHECK_PTR(command))
        return;
    if (GraphicsScene *sheet = command->graphicsScene())
        sheet->showInProject(command);
    command->setSelectedTree(true);
    reject();
}

void DlgPropCommand::btnAddObjClick()
{
    if (!CHECK_PTR(m_objTable) || !CHECK_PTR(project()))
        return;
    m_edObjName->setText(enteredModuleName());
    DlgPropGraphicsObjItem::btnAddObjClick();
    updateModuleTables();
}

void DlgPropCommand::btnDelObjClick()
{
    DlgPropGraphicsObjItem::btnDelObjClick();
    updateModuleTables();
}

void DlgPropCommand::btnReplObjClick()
{
    if (!CHECK_PTR(m_objTable) || !CHECK_PTR(project()))
        return;
    m_edObjName->setText(enteredModuleName());
    DlgPropGraphicsObjItem::btnReplObjClick();
    updateModuleTables();
}

void DlgPropCommand::saveObj(Obj *obj)
{
    auto *module = dynamic_cast<Module *>(obj);
    if (!CHECK_PTR(module))
        return;
    module->setModelIndex(m_typeCombo->comboCurrentData());
}

void DlgPropCommand::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    if (!CHECK_PTR(obj) || !CHECK_PTR(row))
        return;
    row->setText(0, obj->name());
}

void DlgPropCommand::objSelected(Obj *obj, QTreeWidgetItem *)
{
    auto *module = dynamic_cast<Module *>(obj);
    if (!CHECK_PTR(module))
        return;
    const int index = m_typeCombo->findData(module->modelIndex());
    if (!CHECK(index >= 0))
        return;
    m_typeCombo->setCurrentIndex(index);
    m_numberSpin->setValue(module->number());
}

void DlgPropCommand::loadFromItem(GraphicsItem *graphics)
{
    auto *command = dynamic_cast<GraphicsCommand *>(graphics);
    m_item = command;
    if (!CHECK_PTR(command))
        return;
    // An item without a kind (one read so) keeps the first kind shown.
    const int kind = command->kind();
    if (isCommandKind(kind)) {
        m_kindGroup->button(kind)->setChecked(true);
        buttonReleased(kind);
    }
    selectData(m_signalCombo, command->signal());
    const int group = commandTemplateGroup(command->templateIndex());
    if (group >= 0)
        selectData(m_groupCombo, group);
    selectData(m_templateCombo, command->templateIndex());

    m_leftPinEdit->setPlainText(command->commentLeftPin());
    m_rightPinEdit->setPlainText(command->commentRightPin());
    m_commentGiEdit->setText(command->commentGi());
    m_drawTitleCheck->setChecked(command->drawTitle());

    const QStringList &params = command->templateParams();
    for (int i = 0; i < params.size(); ++i) {
        QTableWidgetItem *cell = m_paramTable->item(0, i);
        if (CHECK_PTR(cell))
            cell->setText(params[i]);
    }
    changeTemplateParam();

    QTreeWidgetItem *row = findTopLevelItemByObject(m_commandsTable, command);
    if (CHECK_PTR(row))
        selectTreeItem(m_commandsTable, row);
    // The module the item shows is the chosen one.
    if (Obj *bound = command->obj()) {
        if (QTreeWidgetItem *moduleRow = findTreeItemOfObj(m_objTable, bound))
            selectTreeItem(m_objTable, moduleRow);
    }
}

void DlgPropCommand::btnOkClick()
{
    auto *command = dynamic_cast<GraphicsCommand *>(m_item);
    Module *chosen = selectedModule();
    if (!chosen && command)
        chosen = command->module();
    if (chosen) {
        const int kind = m_kindGroup->checkedId();
        if (moduleTypeOfKind(kind) != chosen->modelIndex()) {
            showError(tr("Module type and command type not compatibility!"));
            return;
        }
        const int wanted = command ? command->number() : int(GraphicsCommand::NoNumber);
        if (chosen->freeCommandNumber(kind, wanted, command) < 0) {
            showError(tr("Module is busy!"));
            return;
        }
    }
    DlgPropGraphicsObjItem::btnOkClick();
}

void DlgPropCommand::saveToItem(GraphicsItem *graphics)
{
    auto *command = dynamic_cast<GraphicsCommand *>(graphics);
    if (!CHECK_PTR(command))
        return;
    const int kind = m_kindGroup->checkedId();
    if (!CHECK(kind >= 0))
        return;
    command->setKind(kind);
    command->setSignal(m_signalCombo->comboCurrentData());
    command->setTemplateIndex(m_templateCombo->comboCurrentData());
    command->setCommentPin(1, m_leftPinEdit->toPlainText());
    command->setCommentPin(0, m_rightPinEdit->toPlainText());
    command->setCommentGi(m_commentGiEdit->text());
    command->setDrawTitle(m_drawTitleCheck->isChecked());

    QStringList params;
    for (int c = 0; c < paramCount && !m_paramTable->isColumnHidden(c); ++c) {
        QTableWidgetItem *cell = m_paramTable->item(0, c);
        if (!CHECK_PTR(cell))
            continue;
        QString param = cell->text();
        param.remove(QLatin1Char('%'));
        params << param.simplified();
    }
    command->setTemplateParams(params);

    // The item binds by name to the chosen module, or again to its own;
    // the module gives it its command number and so its pin names.
    Module *chosen = selectedModule();
    command->setName(chosen ? chosen->name() : command->name());
    command->update();
    DlgPropGraphicsObjItem::saveToItem(graphics);
}

DlgPropGraphicsItem *createDlgPropCommand(GraphicsScene *scene)
{
    return new DlgPropCommand(scene);
}
