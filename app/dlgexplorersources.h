#ifndef RLAY_DLGEXPLORERSOURCES_H
#define RLAY_DLGEXPLORERSOURCES_H

// "Sources explorer": which supply sources feed the equipment of each
// frame, one row per source and frame, with filters by source name and by
// frame number. A modeless tool window kept by the main window, which hands
// it the project when it shows it and none when the project closes. The
// rows come from the equipment branch on "U" and hold only texts, so they
// outlive the project they were read from.

#include <QDialog>
#include <QPointer>

class Project;
class QPushButton;
class QSpinBox;
class RLineEdit;
class RTreeWidget;

class DlgExplorerSources : public QDialog
{
    Q_OBJECT

public:
    explicit DlgExplorerSources(QWidget *parent);

    Project *project() const { return m_project; }
    void setProject(Project *project) { m_project = project; }

    RLineEdit *sourceFilter() const { return m_sourceFilter; }
    QSpinBox *frameFilter() const { return m_frameFilter; }
    QPushButton *cancelFilterButton() const { return m_btnCancelFilter; }
    RTreeWidget *list() const { return m_list; }

public slots:
    // "V": hides the rows of other sources (exact name) and, when a frame
    // is given, of other frames.
    void btnSetFilterClick();
    // "X": shows every row again.
    void btnCanFilterClick();
    // "U": the rows of the project as it is now.
    void btnClickUpdateTable();

private:
    QPointer<Project> m_project;
    RLineEdit *m_sourceFilter;
    QSpinBox *m_frameFilter;
    QPushButton *m_btnCancelFilter;
    RTreeWidget *m_list;
};

#endif
