#include "app/dlgfind.h"

#include "devices/graphicsclamp.h"
#include "graphics/graphicsdeviceobj.h"
#include "graphics/graphicsitem.h"
#include "graphics/graphicsobjitem.h"
#include "graphics/graphicsscene.h"
#include "graphics/graphicstext.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/project.h"
#include "schemes/scheme.h"
#include "schemes/schememenager.h"

#include <QCheckBox>
#include <QCompleter>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

// Items bound to a project object, and among them those that carry an
// object of their own (the relay windings).
const int firstBoundType = QGraphicsItem::UserType + 200;
const int endBoundType = QGraphicsItem::UserType + 499;
const int firstCarrierType = QGraphicsItem::UserType + 301;
const int endCarrierType = QGraphicsItem::UserType + 400;
const int textType = QGraphicsItem::UserType + 6;

bool isBoundType(int type)
{
    return type >= firstBoundType && type < endBoundType;
}

GraphicsObjItem *boundItem(GraphicsItem *item)
{
    return item && isBoundType(item->type()) ? dynamic_cast<GraphicsObjItem *>(item) : nullptr;
}

void gatherTree(const GraphicsItem *item, QSet<const GraphicsItem *> &items)
{
    items.insert(item);
    const QList<GraphicsItem *> children = item->childItems();
    for (const GraphicsItem *child : children)
        gatherTree(child, items);
}

} // namespace

class DlgFind::ActionScope
{
public:
    explicit ActionScope(DlgFind &dialog)
        : m_dialog(dialog)
    {
        ++m_dialog.m_actionDepth;
    }
    ~ActionScope()
    {
        if (--m_dialog.m_actionDepth == 0)
            m_dialog.m_sheetItems.clear();
    }
    ActionScope(const ActionScope &) = delete;
    ActionScope &operator=(const ActionScope &) = delete;

private:
    DlgFind &m_dialog;
};

DlgFind::DlgFind(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setWindowTitle(tr("Find"));
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *grid = new RGridLayout;
    layout->addLayout(grid);
    layout->addStretch();

    auto button = [this](const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        return b;
    };
    auto combo = [this](bool editable) {
        auto *c = new RComboBox(this, 200);
        c->setEditable(editable);
        // The history is kept by the search, not by pressing Enter.
        c->setInsertPolicy(QComboBox::NoInsert);
        // What is typed is what is searched and written: the history is
        // offered below the field, never added to the text, and Enter picks
        // an entry only in the case typed (names differ by case).
        if (editable) {
            c->completer()->setCaseSensitivity(Qt::CaseSensitive);
            c->completer()->setCompletionMode(QCompleter::PopupCompletion);
        }
        return c;
    };

    m_findCombo = combo(true);
    m_replaceCombo = combo(true);
    m_scopeCombo = combo(false);
    m_scopeCombo->addItem(tr("Selection"));
    m_scopeCombo->addItem(tr("Current scheme"));
    m_scopeCombo->addItem(tr("All project"));
    m_scopeCombo->setCurrentIndex(ScopeAllProject);
    m_matchCase = new QCheckBox(tr("Match case"), this);
    m_wholeWord = new QCheckBox(tr("Match whole word"), this);
    m_findInText = new QCheckBox(tr("Find in text"), this);
    m_btnFind = button(tr("Find next"));
    m_btnReplace = button(tr("Replace"));
    m_btnReplaceAll = button(tr("Replace All"));
    m_btnFindParent = button(tr("Find parent"));
    m_btnFindParentAll = button(tr("Find all parents"));
    // Enter in the find field looks for the next match.
    m_btnFind->setDefault(true);

    grid->addWidget(new QLabel(tr("Find:"), this), 0, 0);
    grid->addWidget(m_findCombo, 0, 1);
    grid->addWidget(m_btnFind, 0, 2);
    grid->addWidget(new QLabel(tr("Replace:"), this), 1, 0);
    grid->addWidget(m_replaceCombo, 1, 1);
    grid->addWidget(m_btnReplace, 1, 2);
    grid->addWidget(new QLabel(tr("Find in:"), this), 2, 0);
    grid->addWidget(m_scopeCombo, 2, 1);
    grid->addWidget(m_btnReplaceAll, 2, 2);
    grid->addWidget(m_matchCase, 3, 0, 1, 2);
    grid->addWidget(m_wholeWord, 4, 0, 1, 2);
    grid->addWidget(m_btnFindParent, 4, 2);
    grid->addWidget(m_findInText, 5, 0, 1, 2);
    grid->addWidget(m_btnFindParentAll, 5, 2);

    connect(m_btnFind, &QPushButton::clicked, this, &DlgFind::btnFindClick);
    connect(m_btnReplace, &QPushButton::clicked, this, qOverload<>(&DlgFind::btnReplaceClick));
    connect(m_btnReplaceAll, &QPushButton::clicked, this, &DlgFind::btnReplaceAllClick);
    connect(m_btnFindParent, &QPushButton::clicked, this, &DlgFind::btnFindParentClick);
    connect(m_btnFindParentAll, &QPushButton::clicked, this, &DlgFind::btnFindParentAllClick);
}

void DlgFind::clearCurrentItem()
{
    m_current = Match();
    m_hasCurrent = false;
}

GraphicsItem *DlgFind::currentItem()
{
    ActionScope scope(*this);
    return m_hasCurrent ? liveItem(m_current) : nullptr;
}

QString DlgFind::findText() const
{
    return m_findCombo->currentText().simplified();
}

QString DlgFind::replaceText() const
{
    return m_replaceCombo->currentText().simplified();
}

bool DlgFind::settingsDiffer() const
{
    return findText() != m_storedFind || m_scopeCombo->currentIndex() != m_storedScope
        || m_matchCase->isChecked() != m_storedMatchCase || m_wholeWord->isChecked() != m_storedWholeWord;
}

void DlgFind::appendHistory(RComboBox *combo, const QString &text)
{
    if (!text.isEmpty() && combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        combo->addItem(text);
}

DlgFind::Match DlgFind::matchOf(GraphicsItem *item) const
{
    Match match;
    match.scene = item->graphicsScene();
    match.item = item;
    match.address = item;
    match.sheetIndex = item->sheetIndex();
    searchedName(item, &match.name);
    return match;
}

bool DlgFind::searchedName(GraphicsItem *item, QString *name)
{
    if (GraphicsObjItem *bound = boundItem(item)) {
        *name = bound->name();
        return true;
    }
    if (item->type() == textType) {
        auto *text = dynamic_cast<GraphicsText *>(item);
        if (!CHECK_PTR(text))
            return false;
        *name = text->text();
        return true;
    }
    return CHECK(false);
}

void DlgFind::startSearch()
{
    m_storedFind = findText();
    m_storedScope = m_scopeCombo->currentIndex();
    m_storedMatchCase = m_matchCase->isChecked();
    m_storedWholeWord = m_wholeWord->isChecked();
    appendHistory(m_findCombo, m_storedFind);
    appendHistory(m_replaceCombo, replaceText());

    m_results.clear();
    m_next = 0;
    m_leftBehind.clear();
    if (!CHECK(!m_project.isNull()))
        return;
    const Qt::CaseSensitivity sensitivity = m_storedMatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const bool inTexts = m_findInText->isChecked();
    QList<GraphicsItem *> found;
    if (m_storedScope == ScopeAllProject) {
        if (!m_project->schemes())
            return;
        m_project->schemes()->findItems(m_storedFind, found, m_storedWholeWord, sensitivity, inTexts);
    } else {
        auto *scheme = qobject_cast<Scheme *>(m_scene.data());
        if (!scheme)
            return;
        scheme->findItems(m_storedFind, found, m_storedWholeWord, sensitivity, inTexts,
                          m_storedScope == ScopeSelection);
    }
    m_results.reserve(found.size());
    for (GraphicsItem *item : std::as_const(found)) {
        if (item)
            m_results.append(matchOf(item));
    }
    if (m_windingsFirst) {
        std::stable_partition(m_results.begin(), m_results.end(), [](const Match &match) {
            return match.item->type() >= firstCarrierType && match.item->type() < endCarrierType;
        });
    }
}

GraphicsItem *DlgFind::liveItem(const Match &match)
{
    GraphicsScene *scene = match.scene;
    if (!scene || !match.address || !m_project || !m_project->schemes())
        return nullptr;
    auto sheet = m_sheetItems.find(scene);
    if (sheet == m_sheetItems.end()) {
        QSet<const GraphicsItem *> items;
        for (const GraphicsItem *top : scene->graphicsItems()) {
            if (top)
                gatherTree(top, items);
        }
        sheet = m_sheetItems.insert(scene, items);
    }
    if (!sheet->contains(match.address))
        return nullptr;
    // Standing on the sheet: the item may be read now.
    if (match.item->sheetIndex() != match.sheetIndex)
        return nullptr;
    if (!m_project->schemes()->hasGraphicsItem(scene, match.item))
        return nullptr;
    return match.item;
}

void DlgFind::btnFindClick()
{
    ActionScope scope(*this);
    findNext();
}

void DlgFind::findNext()
{
    if (settingsDiffer() || !m_hasCurrent)
        startSearch();
    // Matches deleted since the search are passed over.
    GraphicsItem *item = nullptr;
    Match match;
    while (!item && m_next < m_results.size()) {
        match = m_results.at(m_next++);
        item = liveItem(match);
    }
    if (!item) {
        showInformation(tr("List is empty!"));
        clearCurrentItem();
        return;
    }
    GraphicsScene *scene = match.scene;
    scene->clearSelectionFast();
    // A match never selected on its own (a clamp of a bottom or of a
    // passage) is shown with the item it stands in, and not renamed.
    item->shownSelected()->setSelectedTree(true);
    scene->showInProject(item);
    item->updateInViews();
    m_current = match;
    m_hasCurrent = true;
}

void DlgFind::btnReplaceClick(bool checkFindText)
{
    ActionScope scope(*this);
    replace(checkFindText);
}

void DlgFind::btnReplaceClick()
{
    btnReplaceClick(true);
}

void DlgFind::replace(bool checkFindText)
{
    if (checkFindText && findText().isEmpty()) {
        showError(tr("Need enter find text!"));
        return;
    }
    GraphicsItem *item = m_hasCurrent ? liveItem(m_current) : nullptr;
    if (item && item->isSelected() && CHECK(!m_project.isNull())) {
        QString name;
        if (!searchedName(item, &name))
            return;
        const Qt::CaseSensitivity sensitivity = m_storedMatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
        const int at = name.indexOf(m_storedFind, 0, sensitivity);
        // A name renamed since the search is left: a contact whose relay
        // the rename of its winding renamed already reads the new name, and
        // would take the replacement twice and lose its relay.
        if (at >= 0 && !m_storedFind.isEmpty() && name == m_current.name) {
            // The replacement as it stands now: a user types it after the
            // match is shown as well as before the search.
            const QString replacement = replaceText();
            appendHistory(m_replaceCombo, replacement);
            const QString newName = name.replace(at, m_storedFind.size(), replacement).simplified();
            if (newName.isEmpty())
                showError(tr("New name is empty!"));
            else
                rename(item, newName, replacement);
            // Step by step, the item that takes the object along is
            // renamed last of all, by the step the user makes last.
            if (!m_windingsFirst)
                rebindLeftBehind();
        }
    }
    findNext();
}

void DlgFind::rename(GraphicsItem *item, const QString &newName, const QString &replacement)
{
    Project *project = m_project;
    if (item->type() == textType) {
        auto *text = dynamic_cast<GraphicsText *>(item);
        if (!CHECK_PTR(text))
            return;
        text->setText(newName);
        if (GraphicsScene *scene = item->graphicsScene())
            scene->setModified(true);
        item->updateInViews();
        return;
    }
    GraphicsObjItem *bound = boundItem(item);
    if (!CHECK_PTR(bound))
        return;

    if (item->type() >= firstCarrierType && item->type() < endCarrierType) {
        renameWinding(item, newName, replacement);
        return;
    }
    // A contact of a relay whose renaming Replace All refused stays with it.
    if (bound->obj() && m_refusedWindings.contains(bound->obj()))
        return;

    // An item that owns its object may not take the name of another object
    // of its kind: that object would lose its name.
    if (bound->bindMode() == GraphicsObjItem::BindOwned && CHECK_PTR(bound->obj())) {
        const Obj *named = project->findObj(bound->objType(), newName);
        if (named && named != bound->obj()) {
            showError(tr("For graphics with hard link name %1 not correct, since parent already exist!")
                          .arg(newName));
            return;
        }
    }
    // A bound item that goes to another object which cannot take it (a
    // relay with every contact used, a fuse or switch shown already) would
    // be left unbound, and its object, were it the only one to show it,
    // would go.
    if (bound->bindMode() != GraphicsObjItem::BindOwned && bound->obj()) {
        Obj *named = project->findObj(bound->objType(), newName);
        if (named && named != bound->obj() && !named->canAppend(bound)) {
            showError(tr("New graphics obj name not correct!"));
            return;
        }
    }
    // A clamp is renamed with its clamp name: it binds to the panel of the
    // new address, or, the only clamp of its panel, takes the panel along.
    const bool wasBound = bound->obj() != nullptr;
    if (auto *clamp = graphicsClampCast(item)) {
        const char *pinName = clamp->firstPinName();
        clamp->setClampName(pinName ? joinName(newName, pinName) : newName);
    } else {
        bound->setName(newName);
    }
    if (wasBound && !bound->obj())
        m_leftBehind.append(matchOf(item));
    // The sheet's file holds the name of an item of no object: it is
    // written again whether or not the item found an object.
    bound->setDocumentModified();
    item->updateInViews();
}

void DlgFind::renameWinding(GraphicsItem *item, const QString &newName, const QString &replacement)
{
    // A relay winding: its own object, which the contacts bind to by name,
    // and the relay it belongs to take the new name together. Each winding
    // of the relay keeps what its own name adds to the relay's ("K1b"): the
    // text found is replaced in it too.
    auto *carrier = dynamic_cast<GraphicsDeviceObj *>(item);
    // Another winding of a relay refused already is not asked again.
    if (!CHECK_PTR(carrier) || m_refusedWindings.contains(carrier->ownObj()))
        return;
    Project *project = m_project;
    Obj *relay = carrier->obj();
    const Qt::CaseSensitivity sensitivity = m_storedMatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const auto replaced = [&](const QString &name) {
        const int at = name.indexOf(m_storedFind, 0, sensitivity);
        return at < 0 ? QString() : QString(name).replace(at, m_storedFind.size(), replacement).simplified();
    };
    QList<QPair<GraphicsDeviceObj *, QString>> windings;
    const QString own = replaced(carrier->ownObj()->name());
    windings.append({carrier, own.isEmpty() ? newName : own});
    for (ObjItem *other : relay ? relay->items() : QList<ObjItem *>()) {
        auto *winding = dynamic_cast<GraphicsDeviceObj *>(other);
        const QString name = winding && winding != carrier ? replaced(winding->ownObj()->name()) : QString();
        if (!name.isEmpty())
            windings.append({winding, name});
    }
    bool changes = relay && relay->name() != newName;
    QSet<QString> taken;
    bool refused = false;
    for (const auto &[winding, name] : std::as_const(windings)) {
        const Obj *named = project->findObj(winding->ownObj()->kind(), name);
        refused = refused || name.isEmpty() || (named && named != winding->ownObj()) || taken.contains(name);
        taken.insert(name);
        changes = changes || name != winding->ownObj()->name();
    }
    const Obj *relayNamed = relay ? project->findObj(relay->kind(), newName) : nullptr;
    if (refused || (relayNamed && relayNamed != relay)) {
        if (m_windingsFirst) {
            m_refusedWindings.insert(carrier->ownObj());
            for (ObjItem *other : relay ? relay->items() : QList<ObjItem *>()) {
                if (auto *winding = dynamic_cast<GraphicsDeviceObj *>(other))
                    m_refusedWindings.insert(winding->ownObj());
            }
        }
        showError(tr("New graphics obj name not correct!"));
        return;
    }
    if (!changes)
        return;
    for (const auto &[winding, name] : std::as_const(windings))
        winding->ownObj()->setName(name);
    if (relay)
        relay->setName(newName);
    for (const auto &[winding, name] : std::as_const(windings)) {
        winding->updateFromObj();
        winding->updateInViews();
    }
}

void DlgFind::btnReplaceAllClick()
{
    ActionScope scope(*this);
    clearCurrentItem();
    // Windings first: a contact renamed before its relay would find no
    // relay of the new name and be left unbound.
    const QScopedValueRollback<bool> windingsFirst(m_windingsFirst, true);
    m_refusedWindings.clear();
    replace(true);
    while (m_hasCurrent)
        replace(false);
    m_refusedWindings.clear();
    rebindLeftBehind();
}

void DlgFind::rebindLeftBehind()
{
    for (const Match &match : std::as_const(m_leftBehind)) {
        GraphicsObjItem *bound = boundItem(liveItem(match));
        if (bound && !bound->obj())
            bound->rebindByName();
    }
}

void DlgFind::findParent()
{
    GraphicsItem *item = m_hasCurrent ? liveItem(m_current) : nullptr;
    GraphicsObjItem *bound = boundItem(item);
    if (bound && item->isSelected() && !bound->obj())
        bound->rebindByName();
}

void DlgFind::btnFindParentClick()
{
    ActionScope scope(*this);
    findParent();
    findNext();
}

void DlgFind::btnFindParentAllClick()
{
    ActionScope scope(*this);
    clearCurrentItem();
    findNext();
    while (m_hasCurrent) {
        findParent();
        findNext();
    }
}
