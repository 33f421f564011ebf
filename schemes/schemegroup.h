#ifndef RLAY_SCHEMEGROUP_H
#define RLAY_SCHEMEGROUP_H

// One numbered group of schemes in the project tree, shown as "ATR" and its
// number with its comment beside. It owns its schemes, the directory beside
// the main project file that holds their files, and may give its sheets its
// own values of the project's member properties.

#include "model/file.h"
#include "model/itemmenager.h"
#include "schemes/dlgpropscheme.h"
#include "schemes/scheme.h"

#include <QSet>
#include <QString>

class GraphicsItem;

class SchemeGroup : public ItemMenager<Scheme, DlgPropScheme>
{
    Q_OBJECT

public:
    // The member properties a group may give its sheets: 4 to 15.
    enum { FirstMember = 4, MemberCount = 12 };

    explicit SchemeGroup(Project *project);

    int atrNumber() const { return m_atrNumber; }
    // Renames the tree row; a changed number renames the open sheets too.
    void setAtrNumber(int number);
    QString comment() const { return m_comment; }
    void setComment(const QString &comment);
    QString schemesName() const { return m_schemesName; }
    void setSchemesName(const QString &name) { m_schemesName = name; }
    const DirNumber &dirNumber() const { return m_dirNumber; }
    void setDirNumber(int number) { m_dirNumber.number = number; }

    // For a member: the group's own value when it has one; otherwise empty
    // when ownOnly, else the project's.
    QString projectProperty(int index, bool ownOnly) const;
    // Stores the group's own value of a member; false for another index or
    // an unchanged value.
    bool setOwnProperty(int index, const QString &text);

    // Makes the group's directory and gives every scheme its file there. A
    // group without a directory draws a number that no directory has and
    // that reserved (the numbers of the other groups) does not claim.
    bool prepareSchemeFiles(const QString &projectDirectory, const QSet<int> &reserved = QSet<int>());
    // The scheme is one of the group's and the item stands on it.
    bool hasGraphicsItem(GraphicsScene *scene, GraphicsItem *item) const;
    // Scheme::findItems on every scheme, in list order.
    void findItems(const QString &text, QList<GraphicsItem *> &found, bool wholeName,
                   Qt::CaseSensitivity sensitivity, bool includeTexts, bool selectedOnly) const;

    // The group's own fields come first, then the schemes.
    void writeItems(DataStream &stream) override;
    void readItems(DataStream &stream) override;
    void saveClipboard(DataStream &stream) override;
    void loadClipboard(DataStream &stream) override;
    const int *childActions(int &count) override;
    const char *mimeType() const override;

    // A save's passes over the sheets: a group none of whose sheets was
    // modified when the save prepared the files writes none of them.
    void saveFirst(DataStream &stream) override;
    bool saveSecond(DataStream &stream) override;
    // The save of the project ended (see Scheme::saveFinished).
    void saveFinished(bool saved) override;
    // Notes the directory of the sheets as it stands; whether it still
    // stands so (no sheet's file added, removed or renamed since).
    void stampDirectory();
    bool directoryUnchanged() const;
    // The next save writes every sheet's file and the records anew.
    void prepareFullSave() override;
    // Before a Save as: notes the directory and the sheets' files and
    // flags. For another project the group draws a directory of its own at
    // the save, as a pasted group does: the one it had holds the files that
    // the project it was read from names. Once the save ended, a failed one
    // gives the group and its sheets back what was noted.
    void prepareSaveAs(bool anotherProject) override;
    void saveAsFinished(bool saved) override;

public slots:
    void clipboardChanged();

private:
    // The directory of the sheets beside the main file; empty while the
    // group has none.
    QString directoryPath() const;
    void updateTexts();
    void writeMembers(DataStream &stream) const;
    void readMembers(DataStream &stream);
    // The sheets' records as this group last wrote them to the list of
    // sheets, with the sheets they were written for, in that order, the
    // directory their files were in and the format. A save after which
    // the group holds the same sheets, none of them modified, writes the
    // same records: a sheet's record changes only when its file is written,
    // and only a modified sheet's file is. So such a save writes these
    // bytes again instead of reading every sheet's record anew.
    struct WrittenRecords
    {
        QByteArray bytes;
        QList<Scheme *> sheets;
        // The directory, and the project directory and number it was made of.
        QString directory;
        QString base;
        int number = 0;
        int format = -1;
    };
    WrittenRecords m_written;
    // What a Save as may change, noted until it ended.
    bool m_savingAs = false;
    int m_numberBeforeSaveAs = 0;
    // Whether the Save as draws the group a directory anew, in the folder
    // of another project.
    bool m_drawsForSaveAs = false;
    QList<QPair<Scheme *, Scheme::FileState>> m_sheetsBeforeSaveAs;
    // Decided while this save prepares the files: the directory of the
    // sheets and the project directory it is in, and whether the records
    // written last still stand.
    QString m_preparedDirectory;
    QString m_preparedBase;
    bool m_writtenStand = false;
    bool m_noneModified = false;
    // The directory as this group last read or wrote its sheets there.
    FolderStamp m_dirStamp;

    int m_atrNumber = -1;
    QString m_comment;
    DirNumber m_dirNumber;
    QString m_schemesName;
    QString m_members[MemberCount];
};

#endif
