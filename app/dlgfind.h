#ifndef RLAY_DLGFIND_H
#define RLAY_DLGFIND_H

// "Find": finds items on the schemes by name (a bound item's object name,
// or its own name while unbound) and, on request, texts by their string;
// steps through the matches one at a time, selecting each and bringing its
// sheet into view; renames them by replacing the found text, one by one or
// all at once; and binds unbound items to the object of their name.
//
// A modeless tool window kept by the main window, which hands it the project
// and the sheet of the current scheme tab. The matches are kept between
// clicks, but an item is never followed before it has been found again on
// its sheet, and its sheet in the project: a match deleted in the meantime
// is passed over.

#include <QDialog>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QString>

class GraphicsItem;
class GraphicsObjItem;
class Obj;
class GraphicsScene;
class Project;
class QCheckBox;
class QGraphicsItem;
class QPushButton;
class RComboBox;

class DlgFind : public QDialog
{
    Q_OBJECT

public:
    // The scopes, in the order of the scope combo.
    enum Scope { ScopeSelection = 0, ScopeCurrentScheme = 1, ScopeAllProject = 2 };

    explicit DlgFind(QWidget *parent, Qt::WindowFlags flags = Qt::WindowFlags());

    Project *project() const { return m_project; }
    void setProject(Project *project) { m_project = project; }
    // The sheet of the current scheme tab, or none.
    GraphicsScene *scene() const { return m_scene; }
    void setScene(GraphicsScene *scene) { m_scene = scene; }
    // Forgets the match shown last: the next "Find next" searches afresh.
    void clearCurrentItem();
    // The match shown last while it still stands on its sheet, else null.
    GraphicsItem *currentItem();
    // The matches not visited yet.
    int pendingCount() const { return m_results.size() - m_next; }

    RComboBox *findCombo() const { return m_findCombo; }
    RComboBox *replaceCombo() const { return m_replaceCombo; }
    RComboBox *scopeCombo() const { return m_scopeCombo; }
    QCheckBox *matchCaseBox() const { return m_matchCase; }
    QCheckBox *wholeWordBox() const { return m_wholeWord; }
    QCheckBox *findInTextBox() const { return m_findInText; }
    QPushButton *findButton() const { return m_btnFind; }
    QPushButton *replaceButton() const { return m_btnReplace; }
    QPushButton *replaceAllButton() const { return m_btnReplaceAll; }
    QPushButton *findParentButton() const { return m_btnFindParent; }
    QPushButton *findParentAllButton() const { return m_btnFindParentAll; }

public slots:
    void btnFindClick();
    // Renames the match shown last, then finds the next one. With
    // checkFindText an empty find text is refused first.
    void btnReplaceClick(bool checkFindText);
    void btnReplaceClick();
    void btnReplaceAllClick();
    void btnFindParentClick();
    void btnFindParentAllClick();

private:
    // A match: the item, its sheet, and what tells the item apart from
    // another one made later at the same address.
    struct Match
    {
        QPointer<GraphicsScene> scene;
        GraphicsItem *item = nullptr;
        const GraphicsItem *address = nullptr;
        quint64 sheetIndex = 0;
        // The name (or text) the item had when found.
        QString name;
    };
    // Spans one user action: the items of each sheet visited are gathered
    // once for the whole action (a "Replace All" stays linear) and dropped
    // when it ends, since the sheets may change between actions.
    class ActionScope;

    QString findText() const;
    QString replaceText() const;
    bool settingsDiffer() const;
    void startSearch();
    Match matchOf(GraphicsItem *item) const;
    // The name a search reads of a bound item, the text of a text item;
    // false for any other item.
    static bool searchedName(GraphicsItem *item, QString *name);
    // The match's item when it still stands on its sheet in the project.
    GraphicsItem *liveItem(const Match &match);
    void findNext();
    void replace(bool checkFindText);
    void findParent();
    // The item takes the new name, the text found replaced by the
    // replacement in its name.
    void rename(GraphicsItem *item, const QString &newName, const QString &replacement);
    // The renaming of a relay winding and of the relay's other windings.
    void renameWinding(GraphicsItem *item, const QString &newName, const QString &replacement);
    static void appendHistory(RComboBox *combo, const QString &text);

    RComboBox *m_findCombo;
    RComboBox *m_replaceCombo;
    RComboBox *m_scopeCombo;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWord;
    QCheckBox *m_findInText;
    QPushButton *m_btnFind;
    QPushButton *m_btnReplace;
    QPushButton *m_btnReplaceAll;
    QPushButton *m_btnFindParent;
    QPushButton *m_btnFindParentAll;

    // The search as it was started.
    QString m_storedFind;
    int m_storedScope = -1;
    bool m_storedMatchCase = false;
    bool m_storedWholeWord = false;

    QPointer<Project> m_project;
    QPointer<GraphicsScene> m_scene;
    // The matches in the order found; those before m_next were visited.
    QList<Match> m_results;
    int m_next = 0;
    Match m_current;
    bool m_hasCurrent = false;
    // Set while Replace All runs: its search lists relay windings first.
    bool m_windingsFirst = false;
    // The windings of the relays whose renaming Replace All refused: their
    // contacts stay.
    QSet<const Obj *> m_refusedWindings;
    // The items this search renamed away from an object that kept others
    // (a clamp of a panel, a footnote drawn twice): bound again by name
    // once the last of them has taken the object along.
    QList<Match> m_leftBehind;
    void rebindLeftBehind();

    int m_actionDepth = 0;
    QHash<const GraphicsScene *, QSet<const GraphicsItem *>> m_sheetItems;
};

#endif
