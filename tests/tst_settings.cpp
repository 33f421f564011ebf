#include "app/dlgsettings.h"
#include "model/check.h"
#include "support/modalrecorder.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList keys = {"hide_help",
                          "show_scheme_name",
                          "show_str_template_command",
                          "show_str_solder_command_in_table",
                          "show_atr_num_with_0",
                          "show_num_contacts",
                          "show_big_device_names"};

const QStringList checkBoxTexts = {"Hide help",
                              "Show scheme name in wiringlayouts",
                              "Show name commands DC in schemes",
                              "Show col solder command in table DC",
                              "Show atr num with 0",
                              "Show num contacts",
                              "Show big device names"};

const QList<bool> defaults = {false, true, false, false, true, true, false};

bool *const flagPointers[] = {&hideHelp,        &showSchemeName,  &showStrTemplateCommand,
                              &showStrSolderCommandInTable,       &showAtrNumWith0,
                              &showNumContacts, &showBigDeviceNames};

QList<bool> flags()
{
    QList<bool> out;
    for (bool *flag : flagPointers)
        out << *flag;
    return out;
}

void setFlags(const QList<bool> &values)
{
    for (int i = 0; i < 7; ++i)
        *flagPointers[i] = values[i];
}

QList<bool> inverted(const QList<bool> &values)
{
    QList<bool> out;
    for (bool v : values)
        out << !v;
    return out;
}


} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }

    void init()
    {
        QSettings s(QStringLiteral("R-LAY"), QStringLiteral("DlgSettings"));
        s.clear();
        s.sync();
    }

    void firstRunGivesDefaults()
    {
        setFlags(inverted(defaults));
        loadDisplayFlags();
        QCOMPARE(flags(), defaults);
        // Loading writes nothing back.
        QSettings s(QStringLiteral("R-LAY"), QStringLiteral("DlgSettings"));
        QVERIFY(s.allKeys().isEmpty());
    }

    void storedValuesAreLoaded()
    {
        {
            QSettings s(QStringLiteral("R-LAY"), QStringLiteral("DlgSettings"));
            for (int i = 0; i < 7; ++i)
                s.setValue(keys[i], !defaults[i]);
        }
        setFlags(defaults);
        loadDisplayFlags();
        QCOMPARE(flags(), inverted(defaults));
    }

    void valuesAreConvertedToBool()
    {
        {
            QSettings s(QStringLiteral("R-LAY"), QStringLiteral("DlgSettings"));
            s.setValue("show_num_contacts", "0");
            s.setValue("hide_help", "true");
            s.setValue("show_atr_num_with_0", "false");
        }
        loadDisplayFlags();
        QVERIFY(!showNumContacts);
        QVERIFY(hideHelp);
        QVERIFY(!showAtrNumWith0);
        QVERIFY(showSchemeName); // missing: default
    }

    void dialogShowsTheFlags()
    {
        const QList<bool> pattern = {true, false, true, false, false, true, true};
        setFlags(pattern);
        DlgSettings dialog;
        QVERIFY(dialog.windowTitle().isEmpty());
        const QList<QCheckBox *> boxes = dialog.findChildren<QCheckBox *>();
        QCOMPARE(boxes.size(), 7);
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(boxes[i]->text(), checkBoxTexts[i]);
            QCOMPARE(boxes[i]->isChecked(), pattern[i]);
        }
        QPushButton *ok = buttonOf(&dialog, "Ok");
        QVERIFY(ok);
        QVERIFY(ok->isDefault());
        QVERIFY(buttonOf(&dialog, "Cancel"));
    }

    void okStoresAndSurvivesRestart()
    {
        setFlags(defaults);
        DlgSettings dialog;
        const QList<QCheckBox *> boxes = dialog.findChildren<QCheckBox *>();
        boxes[0]->setChecked(true);
        boxes[4]->setChecked(false);
        boxes[6]->setChecked(true);
        buttonOf(&dialog, "Ok")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const QList<bool> chosen = {true, true, false, false, false, true, true};
        QCOMPARE(flags(), chosen);

        QSettings s(QStringLiteral("R-LAY"), QStringLiteral("DlgSettings"));
        QCOMPARE(s.allKeys().size(), 7);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(s.value(keys[i]).toBool(), chosen[i]);
        QVERIFY(QFile::exists(m_dir.filePath("R-LAY/DlgSettings.conf")));

        // The next run reads the same choices.
        setFlags(defaults);
        loadDisplayFlags();
        QCOMPARE(flags(), chosen);
    }

    void okWithoutChangesWritesEveryKey()
    {
        setFlags(defaults);
        DlgSettings dialog;
        buttonOf(&dialog, "Ok")->click();
        QSettings s(QStringLiteral("R-LAY"), QStringLiteral("DlgSettings"));
        QStringList stored = s.allKeys();
        stored.sort();
        QStringList expectedKeys = keys;
        expectedKeys.sort();
        QCOMPARE(stored, expectedKeys);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(s.value(keys[i]).toBool(), defaults[i]);
    }

    void cancelChangesNothing()
    {
        setFlags(defaults);
        ModalRecorder recorder;
        recorder.handle([](QDialog *dialog) {
            for (QCheckBox *box : dialog->findChildren<QCheckBox *>())
                box->toggle();
            buttonOf(dialog, "Cancel")->click();
        });
        DlgSettings dialog;
        QCOMPARE(execModal(&dialog), int(QDialog::Rejected));
        QCOMPARE(flags(), defaults);
        QSettings s(QStringLiteral("R-LAY"), QStringLiteral("DlgSettings"));
        QVERIFY(s.allKeys().isEmpty());
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
