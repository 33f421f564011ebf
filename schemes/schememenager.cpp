#include "schemes/schememenager.h"

#include "devices/graphicsclamp.h"
#include "devices/graphicscontact.h"
#include "devices/graphicskeystaff.h"
#include "devices/graphicstrans.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"
#include "schemes/graphicssource.h"
#include "schemes/scheme.h"

namespace {

const int schemeMenagerItemActions[4] = {39, 40, 44, 41};
const int schemeMenagerMenuActions[] = {39, 40, 41, 42, 43, 44, -1, 45, 46, -1, 47, 48, 49, 50, 51, -1, 52, 53};
const int schemeMenagerMenagerChildActions[] = {40, 44, 41, 43, 45};

} // namespace

SchemeMenager::SchemeMenager(Project *project, QList<QAction *> *actions)
    : ItemMenager<SchemeGroup, DlgPropSchemeGroup>(project, actions)
{
    if (!becomeBranch(tr("Principial schemes"), QStringLiteral(":/images/schematics.png"),
                      schemeMenagerItemActions, schemeMenagerMenuActions, schemeMenagerMenagerChildActions))
        return;
    if (hasCommands()) {
        addHandler(45, this, SLOT(copy()));
        addHandler(46, this, SLOT(paste()));
        addHandler(43, this, SLOT(clickSavePdfFiles()));
    }
}

void SchemeMenager::changed()
{
    if (project())
        project()->setSchemesChanged();
}

const int *SchemeMenager::actions(int &count)
{
    if (hasCommands())
        setActionEnabled(46, canPaste());
    return ItemMenagerBase::actions(count);
}

const char *SchemeMenager::mimeType() const
{
    return "r-lay/scheme-group";
}

QStringList SchemeMenager::schemeFilePaths() const
{
    QStringList paths;
    for (SchemeGroup *group : items) {
        for (Scheme *scheme : group->itemList())
            paths.append(scheme->recordedFilePath());
    }
    return paths;
}

QList<qint64> SchemeMenager::documentFileSizes() const
{
    QList<qint64> sizes;
    for (SchemeGroup *group : items) {
        for (Scheme *scheme : group->itemList()) {
            const int payload = scheme->file().record().size;
            sizes.append(payload > 0 ? qint64(payload) + fileHeaderSize : 0);
        }
    }
    return sizes;
}

bool SchemeMenager::prepareSchemeFiles(const QString &directory)
{
    // The numbers the groups have are theirs even where their directories
    // are not made yet (a project saved into another folder): a group that
    // draws a number must not take one of them.
    QSet<int> taken;
    for (const SchemeGroup *group : std::as_const(items)) {
        if (group && group->dirNumber().number != 0)
            taken.insert(group->dirNumber().number);
    }
    for (SchemeGroup *group : std::as_const(items)) {
        if (!CHECK_PTR(group))
            return false;
        const bool drawn = group->dirNumber().number == 0;
        if (!group->prepareSchemeFiles(directory, taken))
            return false;
        if (drawn)
            taken.insert(group->dirNumber().number);
    }
    return true;
}

void SchemeMenager::prepareFullSave()
{
    for (SchemeGroup *group : std::as_const(items)) {
        if (group)
            group->prepareFullSave();
    }
}

void SchemeMenager::prepareSaveAs(bool anotherProject)
{
    eachItem([anotherProject](SchemeGroup *group) { group->prepareSaveAs(anotherProject); });
}

void SchemeMenager::saveAsFinished(bool saved)
{
    eachItem([saved](SchemeGroup *group) { group->saveAsFinished(saved); });
}

void SchemeMenager::markFilesChangedOnDisk(bool every)
{
    for (SchemeGroup *group : std::as_const(items)) {
        if (!every && group->directoryUnchanged())
            continue;
        for (Scheme *scheme : group->itemList()) {
            if (scheme && !scheme->isModified() && !scheme->file().standsOnDisk())
                scheme->setModified(true);
        }
        // What is missing is written by this save, or stays due.
        group->stampDirectory();
    }
}

void SchemeMenager::loadFinished(bool ok)
{
    if (ok)
        eachItem([](SchemeGroup *group) { group->stampDirectory(); });
}

void SchemeMenager::saveFinished(bool saved)
{
    for (SchemeGroup *group : std::as_const(items)) {
        if (group)
            group->saveFinished(saved);
    }
}

bool SchemeMenager::hasGraphicsItem(GraphicsScene *scene, GraphicsItem *item) const
{
    if (!CHECK(scene && item))
        return false;
    for (const SchemeGroup *group : items) {
        if (group && group->hasGraphicsItem(scene, item))
            return true;
    }
    return false;
}

void SchemeMenager::measureItemsAgain() const
{
    for (const SchemeGroup *group : items) {
        for (Scheme *sheet : group ? group->itemList() : QList<Scheme *>()) {
            for (GraphicsItem *item : sheet ? sheet->graphicsItems() : QList<GraphicsItem *>()) {
                // A bound item measures from its object; the kinds that
                // write their names in the settings' font measure them
                // unbound too, as a load does.
                auto *shown = dynamic_cast<GraphicsObjItem *>(item);
                auto *contact = dynamic_cast<GraphicsContact *>(item);
                auto *trans = dynamic_cast<GraphicsTrans *>(item);
                const int type = item->type();
                if (!shown
                    || !(shown->obj() || type == GraphicsClamp::Type || type == GraphicsSource::Type || trans
                         || type == GraphicsKeystaff::Type || (contact && contact->contactKind() != -1)))
                    continue;
                const double recorded = trans ? trans->textHeight() : 0;
                shown->updateFromObj();
                // The file records a transformer's text height: its sheet
                // is written again.
                if (trans && trans->textHeight() != recorded)
                    sheet->setModified(true);
            }
            // The passage table's column is as wide as its font writes.
            if (sheet)
                sheet->layoutPassages();
        }
    }
}

void SchemeMenager::findItems(const QString &text, QList<GraphicsItem *> &found, bool wholeName,
                              Qt::CaseSensitivity sensitivity, bool includeTexts) const
{
    for (const SchemeGroup *group : items) {
        if (CHECK_PTR(group))
            group->findItems(text, found, wholeName, sensitivity, includeTexts, false);
    }
}
