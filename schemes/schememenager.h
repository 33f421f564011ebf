#ifndef RLAY_SCHEMEMENAGER_H
#define RLAY_SCHEMEMENAGER_H

// The scheme branch of the project, "Principial schemes": the scheme groups
// and their schemes. The list records go to the schemes side file, the
// drawings to each scheme's own file.

#include "model/itemmenager.h"
#include "schemes/dlgpropschemegroup.h"
#include "schemes/schemegroup.h"

class GraphicsItem;
class GraphicsScene;

class SchemeMenager : public ItemMenager<SchemeGroup, DlgPropSchemeGroup>
{
    Q_OBJECT

public:
    // Adds the branch's row as a top-level row of the project tree.
    explicit SchemeMenager(Project *project, QList<QAction *> *actions = nullptr);

    // Something below the branch changed: its side file is due.
    void changed() override;
    // The whole branch's menu; paste is offered when the clipboard holds a
    // scheme group.
    const int *actions(int &count) override;
    const char *mimeType() const override;

    // Gives every scheme group its numbered directory beside the main file
    // and every scheme its own file in it; false at the first failure, its
    // message shown.
    bool prepareSchemeFiles(const QString &directory);
    bool prepareSave(const QString &directory) override { return prepareSchemeFiles(directory); }
    // Every group writes its sheets' records anew, every sheet its file.
    void prepareFullSave() override;
    // Every group, for a Save as (see SchemeGroup::prepareSaveAs).
    void prepareSaveAs(bool anotherProject) override;
    void saveAsFinished(bool saved) override;
    // A sheet whose file is no longer the one it last read or wrote is
    // written anew.
    void markFilesChangedOnDisk(bool every) override;
    // The directories of the groups as the load left them.
    void loadFinished(bool ok) override;
    // The files of the sheets, in the order a load reads them.
    QStringList schemeFilePaths() const;
    QStringList documentFilePaths() const override { return schemeFilePaths(); }
    QList<qint64> documentFileSizes() const override;
    // The save of the project ended: schemes written by a failed save are
    // due again.
    void saveFinished(bool saved) override;
    // Some group holds the scheme and the item stands on it (the project
    // check makes sure of it before it opens a message's item).
    bool hasGraphicsItem(GraphicsScene *scene, GraphicsItem *item) const;
    // After the display settings changed: every item on the sheets that
    // measures its texts in the settings' fonts measures them again, and
    // the passage tables take their widths again, as a reopen would.
    void measureItemsAgain() const;
    // SchemeGroup::findItems on every group, over every item.
    void findItems(const QString &text, QList<GraphicsItem *> &found, bool wholeName,
                   Qt::CaseSensitivity sensitivity, bool includeTexts) const;
};

#endif
