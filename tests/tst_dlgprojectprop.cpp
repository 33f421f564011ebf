#include "app/dlgprojectprop.h"
#include "equipment/cable.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "model/check.h"
#include "model/project.h"
#include "support/modalrecorder.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

namespace {

// What the main window does with the dialog: fill, run, apply on Ok.
bool runOn(Project &project, DlgProjectProp &dialog)
{
    dialog.setFromProject(&project);
    if (execModal(&dialog) != QDialog::Accepted)
        return false;
    dialog.applyToProject(&project);
    return true;
}

QList<int> allTypes()
{
    QList<int> t;
    for (int i = 0; i < Cable::TypeCount; ++i)
        t << i;
    return t;
}

QStringList labelsOf(QWidget *w)
{
    QStringList texts;
    for (QLabel *l : w->findChildren<QLabel *>())
        texts << l->text();
    return texts;
}

} // namespace

class TestDlgProjectProp : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        usedCableTypes.clear();
        twistedPairStandard = true;
    }

    void layout()
    {
        ModalRecorder rec;
        DlgProjectProp dialog(nullptr);
        QVERIFY(dialog.windowTitle().isEmpty() || dialog.windowTitle() == QCoreApplication::applicationName());
        auto *tabs = dialog.findChild<QTabWidget *>();
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QString("Basic"));
        QCOMPARE(tabs->tabText(1), QString("Additional"));
        QCOMPARE(labelsOf(tabs->widget(0)), QStringList({"Treaty number:", "Title:", "Object name:", "Organization:",
                                                          "Members:", "Stage:", "Date:", "Language:"}));
        QCOMPARE(labelsOf(tabs->widget(1)), QStringList({"Types uses cables:"}));

        const int line = tabs->widget(0)->fontMetrics().lineSpacing() + 5;
        QCOMPARE(dialog.titleEdit()->maximumHeight(), 3 * line);
        QCOMPARE(dialog.objectNameEdit()->maximumHeight(), 2 * line);
        QCOMPARE(dialog.organizationEdit()->maximumHeight(), 2 * line);
        // Tab leaves a title field for the next one, typing no tab.
        for (QTextEdit *edit : {dialog.titleEdit(), dialog.objectNameEdit(), dialog.organizationEdit()}) {
            QTest::keyClick(edit, Qt::Key_Tab);
            QVERIFY(edit->toPlainText().isEmpty());
        }
        QCOMPARE(dialog.dateEdit()->displayFormat(), QString("MM.yy"));
        QCOMPARE(dialog.languageCombo()->count(), 2);
        QCOMPARE(dialog.languageCombo()->itemText(0), QString("Russian"));
        QCOMPARE(dialog.languageCombo()->itemData(1).toInt(), 1);
        QCOMPARE(dialog.languageCombo()->itemText(1), QString("Ukrainian"));
        // The members: six rows of two, first column then second.
        auto *grid = qobject_cast<QGridLayout *>(tabs->widget(0)->layout()->itemAt(0)->layout());
        QVERIFY(grid);
        auto *members = qobject_cast<QGridLayout *>(grid->itemAtPosition(4, 1)->layout());
        QVERIFY(members);
        QCOMPARE(members->rowCount(), 6);
        QCOMPARE(members->itemAtPosition(2, 1)->widget(), dialog.memberEdit(1, 2));

        QTableWidget *table = dialog.cableTypesTable();
        QCOMPARE(table->rowCount(), 86);
        QCOMPARE(table->columnCount(), 2);
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QString("Type cable"));
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QString("Use"));
        QCOMPARE(table->columnWidth(0), 100);
        QCOMPARE(table->columnWidth(1), 60);
        QCOMPARE(table->rowHeight(40), 20);
        QCOMPARE(table->item(0, 0)->text(), QString("SBVG-3x1"));
        QCOMPARE(table->item(85, 0)->text(), QString("SBVGng-15x2"));
        QCOMPARE(table->item(7, 1)->text(), QString());
        QCOMPARE(dialog.twistedPairBox()->text(), QString("Use twisted pair as standart cable"));
        QCOMPARE(rec.count(), 0);
    }

    void showsANewProject()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        usedCableTypes = {3, 85};
        DlgProjectProp dialog(nullptr);
        dialog.setFromProject(&project);
        QVERIFY(dialog.treatyNumberEdit()->text().isEmpty());
        QVERIFY(dialog.titleEdit()->toPlainText().isEmpty());
        QVERIFY(dialog.memberEdit(1, 5)->text().isEmpty());
        QCOMPARE(dialog.dateEdit()->date(), QDate(2000, 1, 1));
        QCOMPARE(dialog.languageCombo()->currentText(), QString("Ukrainian"));
        for (int row = 0; row < 86; ++row)
            QCOMPARE(dialog.cableTypesTable()->item(row, 1)->text(), row == 3 || row == 85 ? QString() : QString("0"));
        QVERIFY(dialog.twistedPairBox()->isChecked());
        QCOMPARE(rec.count(), 0);
    }

    void showsTheProjectsValues()
    {
        Project project(nullptr, nullptr);
        for (int i = 0; i < 18; ++i)
            project.setProjectProperty(i, QString("p%1").arg(i));
        project.setProjectProperty(1, "two\nlines");
        project.setProjectProperty(17, "03.08");
        project.setLanguage(0);
        twistedPairStandard = false;
        DlgProjectProp dialog(nullptr);
        dialog.setFromProject(&project);
        QCOMPARE(dialog.treatyNumberEdit()->text(), QString("p0"));
        QCOMPARE(dialog.titleEdit()->toPlainText(), QString("two\nlines"));
        QCOMPARE(dialog.objectNameEdit()->toPlainText(), QString("p2"));
        QCOMPARE(dialog.organizationEdit()->toPlainText(), QString("p3"));
        QCOMPARE(dialog.stageEdit()->text(), QString("p16"));
        for (int row = 0; row < 6; ++row) {
            QCOMPARE(dialog.memberEdit(0, row)->text(), QString("p%1").arg(4 + row));
            QCOMPARE(dialog.memberEdit(1, row)->text(), QString("p%1").arg(10 + row));
        }
        QCOMPARE(dialog.dateEdit()->date().month(), 3);
        QCOMPARE(dialog.dateEdit()->text(), QString("03.08"));
        QCOMPARE(dialog.languageCombo()->currentIndex(), 0);
        QVERIFY(!dialog.twistedPairBox()->isChecked());
    }

    void okAppliesEveryField()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        project.setModified(false);
        project.clearChangeFlags();
        QSignalSpy changed(&project, &Project::projectChanged);
        rec.handle([](QDialog *d) {
            auto *dialog = static_cast<DlgProjectProp *>(d);
            dialog->treatyNumberEdit()->setText("T-1");
            dialog->titleEdit()->setPlainText("Title\nline 2");
            dialog->objectNameEdit()->setPlainText("Object");
            dialog->organizationEdit()->setPlainText("Org");
            dialog->stageEdit()->setText("RD");
            for (int row = 0; row < 6; ++row) {
                dialog->memberEdit(0, row)->setText(QString("left %1").arg(row));
                dialog->memberEdit(1, row)->setText(QString("right %1").arg(row));
            }
            dialog->dateEdit()->setDate(QDate(2008, 3, 15));
            dialog->languageCombo()->setCurrentIndex(0);
            QTableWidget *table = dialog->cableTypesTable();
            table->item(0, 1)->setText("");    // cleared: used
            table->item(1, 1)->setText("yes"); // anything but "0": used
            table->item(50, 1)->setText("0");  // stays unused
            dialog->twistedPairBox()->setChecked(false);
            pressButton(dialog, "Ok");
        });
        DlgProjectProp dialog(nullptr);
        QVERIFY(runOn(project, dialog));
        QCOMPARE(rec.count(), 1);
        QCOMPARE(rec.shown[0].className, QString("DlgProjectProp"));
        QCOMPARE(project.projectProperty(0), QString("T-1"));
        QCOMPARE(project.projectProperty(1), QString("Title\nline 2"));
        QCOMPARE(project.projectProperty(2), QString("Object"));
        QCOMPARE(project.projectProperty(3), QString("Org"));
        QCOMPARE(project.projectProperty(16), QString("RD"));
        QCOMPARE(project.projectProperty(17), QString("03.08"));
        for (int row = 0; row < 6; ++row) {
            QCOMPARE(project.projectProperty(4 + row), QString("left %1").arg(row));
            QCOMPARE(project.projectProperty(10 + row), QString("right %1").arg(row));
        }
        QCOMPARE(project.language(), 0);
        QVERIFY(project.isModified());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(usedCableTypes, (QList<int>{0, 1}));
        QVERIFY(!twistedPairStandard);
        // The cable values are the cable specification's: no flag of the
        // project changes for them.
        QVERIFY(!project.specificationCableChanged());
    }

    void cancelChangesNothing()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        project.setProjectProperty(0, "kept");
        project.setModified(false);
        usedCableTypes = {4};
        QSignalSpy changed(&project, &Project::projectChanged);
        rec.handle([](QDialog *d) {
            auto *dialog = static_cast<DlgProjectProp *>(d);
            dialog->treatyNumberEdit()->setText("other");
            dialog->languageCombo()->setCurrentIndex(0);
            dialog->cableTypesTable()->item(9, 1)->setText("");
            dialog->twistedPairBox()->setChecked(false);
            pressButton(dialog, "Cancel");
        });
        DlgProjectProp dialog(nullptr);
        QVERIFY(!runOn(project, dialog));
        QCOMPARE(project.projectProperty(0), QString("kept"));
        QCOMPARE(project.language(), 1);
        QVERIFY(!project.isModified());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(usedCableTypes, QList<int>{4});
        QVERIFY(twistedPairStandard);
    }

    void acceptingUnchangedStoresNothing()
    {
        ModalRecorder rec;
        for (const QString &date : {QString("05.09"), QString()}) {
            Project project(nullptr, nullptr);
            project.setProjectProperty(3, "org");
            project.setProjectProperty(17, date);
            project.setModified(false);
            usedCableTypes = {2, 30};
            twistedPairStandard = false;
            QSignalSpy changed(&project, &Project::projectChanged);
            rec.handle([](QDialog *d) { pressButton(d, "Ok"); });
            DlgProjectProp dialog(nullptr);
            QVERIFY(runOn(project, dialog));
            QCOMPARE(changed.count(), 0);
            QVERIFY(!project.isModified());
            // An empty date stays empty: the untouched editor gives it back.
            QCOMPARE(project.projectProperty(17), date);
            QCOMPARE(usedCableTypes, (QList<int>{2, 30}));
            QVERIFY(!twistedPairStandard);
        }
    }

    void newProjectDefaultsAreKept()
    {
        ModalRecorder rec;
        usedCableTypes = {1, 2, 3};
        twistedPairStandard = false;
        DlgProjectProp dialog(nullptr);
        dialog.setFromDefaults();
        QCOMPARE(dialog.languageCombo()->currentText(), QString("Ukrainian"));
        QVERIFY(dialog.twistedPairBox()->isChecked());
        rec.handle([](QDialog *d) { pressButton(d, "Ok"); });
        QCOMPARE(execModal(&dialog), int(QDialog::Accepted));
        Project project(nullptr, nullptr);
        dialog.applyToProject(&project);
        QCOMPARE(project.language(), 1);
        for (int i = 0; i < 18; ++i)
            QCOMPARE(project.projectProperty(i), QString());
        QCOMPARE(usedCableTypes, Cable::defaultUsedTypes());
        QVERIFY(twistedPairStandard);
    }

    void asConstructedUsesEveryType()
    {
        ModalRecorder rec;
        DlgProjectProp dialog(nullptr);
        rec.handle([](QDialog *d) { pressButton(d, "Ok"); });
        QCOMPARE(execModal(&dialog), int(QDialog::Accepted));
        Project project(nullptr, nullptr);
        dialog.applyToProject(&project);
        QCOMPARE(project.language(), 0);
        QCOMPARE(project.projectProperty(17), QString("01.00"));
        QCOMPARE(usedCableTypes, allTypes());
        QVERIFY(!twistedPairStandard);
    }

    void unknownLanguage()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        project.setLanguage(5);
        DlgProjectProp dialog(nullptr);
        dialog.setFromProject(&project);
        QCOMPARE(rec.count(), 1);
        QVERIFY(rec.shown[0].text.endsWith("FALSE expression"));
        QCOMPARE(dialog.languageCombo()->currentIndex(), 0);
    }

    void missingTableItemIsSkipped()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        DlgProjectProp dialog(nullptr);
        delete dialog.cableTypesTable()->takeItem(4, 1);
        dialog.setFromProject(&project);
        QCOMPARE(rec.count(), 1);
        QVERIFY(rec.shown[0].text.endsWith("Out of memory"));
        dialog.cableTypesTable()->item(5, 1)->setText("");
        dialog.applyToProject(&project);
        QCOMPARE(rec.count(), 2);
        QCOMPARE(usedCableTypes, QList<int>{5});
    }
};

QTEST_MAIN(TestDlgProjectProp)
#include "tst_dlgprojectprop.moc"
