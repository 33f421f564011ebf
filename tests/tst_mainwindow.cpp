#include "app/buildstamp.h"
#include "app/dlgsettings.h"
#include "app/images.h"
#include "app/mainwindow.h"
#include "app/translations.h"
#include "equipment/frameedit.h"
#include "schemes/schemeedit.h"
#include "support/modalrecorder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTranslator>
#include <QtTest>

namespace {

QTabWidget *tabs(MainWindow &w)
{
    return qobject_cast<QTabWidget *>(w.centralWidget());
}

QPushButton *closeButton(MainWindow &w)
{
    return qobject_cast<QPushButton *>(tabs(w)->cornerWidget(Qt::TopRightCorner));
}

QLabel *statusLabel(MainWindow &w)
{
    const QList<QLabel *> labels = w.statusBar()->findChildren<QLabel *>();
    return labels.size() == 1 ? labels.first() : nullptr;
}

QImage normalized(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class Receiver : public QObject
{
    Q_OBJECT

public:
    int hits = 0;

public slots:
    void hit() { ++hits; }
};

class TestMainWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }

    void translatorsAtStartUp()
    {
        QCOMPARE(installTranslators(qApp, "C"), QStringList());
        QCOMPARE(installTranslators(qApp, ""), QStringList());

        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        // A translation file holding just its header loads.
        QFile file("r-lay_ru.qm");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd"));
        file.close();
        const QList<QTranslator *> before = qApp->findChildren<QTranslator *>();
        QCOMPARE(installTranslators(qApp, "ru_RU"), QStringList({"qt_ru", "r-lay_ru"}));
        QDir::setCurrent(previous);
        // The one that did not load is gone; the other stays with the application.
        QList<QTranslator *> added = qApp->findChildren<QTranslator *>();
        for (QTranslator *t : before)
            added.removeAll(t);
        QCOMPARE(added.size(), 1);
        QCoreApplication::removeTranslator(added.first());
        delete added.first();
    }

    void windowLayout()
    {
        {
            QSettings s("R-LAY", "DlgSettings");
            s.setValue("show_big_device_names", true);
        }
        showBigDeviceNames = false;
        ModalRecorder recorder;
        MainWindow w;
        QCOMPARE(recorder.count(), 0);
        // The settings are read while the window is built.
        QVERIFY(showBigDeviceNames);

        QCOMPARE(w.windowTitle(), QString("R-LAY"));
        QCOMPARE(w.size(), QSize(800, 600));
        QCOMPARE(w.actionList()->size(), 118);
        QVERIFY(w.isActive());

        QToolBar *toolBar = nullptr;
        for (QToolBar *bar : w.findChildren<QToolBar *>(QString(), Qt::FindDirectChildrenOnly))
            if (bar->windowTitle() == "ToolBar")
                toolBar = bar;
        QVERIFY(toolBar);
        QCOMPARE(w.toolBarArea(toolBar), Qt::TopToolBarArea);
        QCOMPARE(toolBar->actions().first(), w.action(1));

        const QList<QDockWidget *> docks = w.findChildren<QDockWidget *>();
        QCOMPARE(docks.size(), 1);
        QDockWidget *dock = docks.first();
        QCOMPARE(dock->windowTitle(), QString("Object`s Panel"));
        QCOMPARE(w.dockWidgetArea(dock), Qt::TopDockWidgetArea);
        QCOMPARE(dock->allowedAreas(), Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
        auto *toolBox = qobject_cast<QTabWidget *>(dock->widget());
        QVERIFY(toolBox);
        QStringList labels;
        for (int i = 0; i < toolBox->count(); ++i)
            labels << toolBox->tabText(i);
        QCOMPARE(labels, QStringList({"Basic", "RSH", "DC VARNEL", "Draw", "Frame"}));

        QVERIFY(tabs(w));
        QCOMPARE(tabs(w)->count(), 0);
        QPushButton *button = closeButton(w);
        QVERIFY(button);
        QVERIFY(button->text().isEmpty());
        QCOMPARE(normalized(button->icon().pixmap(32, 32).toImage()),
                 normalized(QImage(":/images/close.png")));

        QLabel *label = statusLabel(w);
        QVERIFY(label);
        QVERIFY(label->text().isEmpty());
        QCOMPARE(label->frameShape(), QFrame::StyledPanel);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QCOMPARE(label->minimumWidth(),
                 QFontMetrics(QApplication::font()).horizontalAdvance(" X: 0000.00, Y: 0000.00 "));
    }

    void commandsWithoutProject()
    {
        ModalRecorder recorder;
        MainWindow w;
        // New, Open, Exit, Parameters, Settings, Help and About; the other
        // project commands and the project tools wait for a project.
        const QList<int> enabled = {0, 1, 10, 35, 36, 37, 38};
        for (int id = 0; id < 118; ++id)
            QVERIFY2(w.action(id)->isEnabled() == enabled.contains(id), qPrintable(QString::number(id)));

        // Parameters and Help do nothing.
        w.action(35)->trigger();
        w.action(37)->trigger();
        QCOMPARE(recorder.count(), 0);
        QCOMPARE(w.windowTitle(), QString("R-LAY"));
    }

    void aboutBox()
    {
        ModalRecorder recorder;
        MainWindow w;
        w.action(38)->trigger();
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.shown[0].title, QString("Information"));
        const QDateTime stamp = programBuildDateTime();
        QVERIFY(stamp.isValid());
        QCOMPARE(recorder.shown[0].text,
                 QString("Programm: R-LAY\n\nVersion: 1.11\nDate: %1\nTime: %2")
                     .arg(stamp.date().toString(Qt::TextDate), stamp.time().toString(Qt::TextDate)));
    }

    void settingsDialog()
    {
        hideHelp = false;
        ModalRecorder recorder;
        recorder.handle([](QDialog *dialog) {
            dialog->findChildren<QCheckBox *>().first()->setChecked(true);
            for (QPushButton *b : dialog->findChildren<QPushButton *>())
                if (b->text() == "Ok")
                    b->click();
        });
        MainWindow w;
        w.action(36)->trigger();
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.shown[0].className, QString("DlgSettings"));
        QVERIFY(hideHelp);
        QSettings s("R-LAY", "DlgSettings");
        QCOMPARE(s.value("hide_help").toBool(), true);
        hideHelp = false;
    }

    void exitClosesTheWindow()
    {
        ModalRecorder recorder;
        MainWindow w;
        w.show();
        QVERIFY(w.isVisible());
        w.action(10)->trigger();
        QVERIFY(!w.isVisible());
    }

    void cursorPosition()
    {
        ModalRecorder recorder;
        MainWindow w;
        QLabel *label = statusLabel(w);
        w.setCursorPos(QPointF(0, 0));
        QVERIFY(label->text().isEmpty());
        w.setCursorPos(QPointF(1234.5, -3.25));
        QCOMPARE(label->text(), QString(" X: 1234.50, Y: -3.25 "));
        // The same position again leaves the label untouched.
        label->setText("untouched");
        w.setCursorPos(QPointF(1234.5, -3.25));
        QCOMPARE(label->text(), QString("untouched"));
        w.setCursorPos(QPointF(7, 8.3));
        QCOMPARE(label->text(), QString(" X: 7.00, Y: 8.30 "));
    }

    void tabsSwitchTheViewActions()
    {
        ModalRecorder recorder;
        MainWindow w;
        Receiver schemeReceiver, frameReceiver;
        QPointer<SchemeEdit> scheme = new SchemeEdit(w.actionList());
        scheme->addHandler(14, &schemeReceiver, SLOT(hit()), true);
        QPointer<FrameEdit> frame = new FrameEdit(w.actionList());
        frame->addHandler(117, &frameReceiver, SLOT(hit()), true);

        tabs(w)->insertTab(0, scheme, "scheme");
        QVERIFY(scheme->isActive());
        QVERIFY(w.action(14)->isEnabled());

        tabs(w)->insertTab(0, frame, "frame");
        tabs(w)->setCurrentIndex(0);
        QVERIFY(!scheme->isActive());
        QVERIFY(frame->isActive());
        QVERIFY(!w.action(14)->isEnabled());
        QVERIFY(w.action(117)->isEnabled());
        w.action(14)->setEnabled(true);
        w.action(14)->trigger();
        w.action(117)->trigger();
        QCOMPARE(schemeReceiver.hits, 0);
        QCOMPARE(frameReceiver.hits, 1);

        // A tab that answers no commands leaves none active.
        QWidget *plain = new QWidget;
        tabs(w)->addTab(plain, "plain");
        tabs(w)->setCurrentWidget(plain);
        QVERIFY(!frame->isActive());
        QVERIFY(!w.action(117)->isEnabled());
        tabs(w)->setCurrentWidget(frame);

        // The corner button closes the current view and activates the next.
        closeButton(w)->click();
        QVERIFY(frame.isNull());
        QCOMPARE(tabs(w)->count(), 2);
        QVERIFY(scheme->isActive());
        QVERIFY(!w.action(117)->isEnabled());
        QVERIFY(w.action(14)->isEnabled());
        closeButton(w)->click();
        closeButton(w)->click();
        QVERIFY(scheme.isNull());
        QCOMPARE(tabs(w)->count(), 0);
        QVERIFY(!w.action(14)->isEnabled());
        QCOMPARE(recorder.count(), 0);

        // With no tab left the button reports a failed check and does nothing.
        closeButton(w)->click();
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.shown[0].title, QString("Error"));
        QVERIFY(w.action(36)->isEnabled());
    }

    void everyImageLoads()
    {
        initImages();
        const QStringList names = QDir(":/images").entryList();
        QCOMPARE(names.size(), 100);
        for (const QString &name : names) {
            const QImage image(":/images/" + name);
            QVERIFY2(!image.isNull(), qPrintable(name));
            QCOMPARE(image.size(), QSize(32, 32));
            QVERIFY2(image.hasAlphaChannel(), qPrintable(name));
        }
        // Images that the action table does not name but other parts of the
        // program show.
        const QStringList others = {
            "close.png",         "line_solid.png",        "line_dashed.png",
            "line_dotted.png",   "line_dash_dot.png",     "line_dash_dot_dot.png",
            "textleft.png",      "textright.png",         "textcenter.png",
            "textjustify.png",   "scheme.png",            "scheme_group.png",
            "scheme_group_open.png", "schematics.png",    "frame.png",
            "frame_row.png",     "equipment_placing.png", "equipment_scheme.png",
            "specification.png", "specification_group.png", "specifications.png"};
        for (const QString &name : others)
            QVERIFY2(names.contains(name), qPrintable(name));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
