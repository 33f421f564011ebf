#ifndef RLAY_DLGCHECKPROJECT_H
#define RLAY_DLGCHECKPROJECT_H

// "Check project": the checks the user picks, the "Run" button and the list
// of what they found. A modeless tool window kept by the main window, which
// hands it the current project each time it shows it and none when the
// project closes.

#include <QDialog>
#include <QList>
#include <QPointer>

class ListCheckMessages;
class Project;
class QCheckBox;
class QPushButton;

class DlgCheckProject : public QDialog
{
    Q_OBJECT

public:
    explicit DlgCheckProject(QWidget *parent, Qt::WindowFlags flags = Qt::WindowFlags());

    Project *project() const { return m_project; }
    // The same project changes nothing; another one drops the former rows.
    void setProject(Project *project);

    ListCheckMessages *list() const { return m_list; }
    // One box per check, in table order.
    const QList<QCheckBox *> &checkBoxes() const { return m_checks; }
    QPushButton *runButton() const { return m_run; }

public slots:
    // Clears the list, then runs every checked check over the project.
    void btnRunClick();

private:
    QPointer<Project> m_project;
    ListCheckMessages *m_list;
    QList<QCheckBox *> m_checks;
    QPushButton *m_run;
};

#endif
