#include "app/mainwindow.h"

#include "app/buildstamp.h"
#include "app/dlgsettings.h"
#include "app/images.h"
#include "equipment/framelayout.h"
#include "graphics/font.h"
#include "model/check.h"
#include "model/datastream.h"
#include "schemes/scheme.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFontMetrics>
#include <QGraphicsView>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

MainWindow::MainWindow()
    : ActionsManager(&m_actions)
{
    initImages();
    setWindowTitle(QString::fromLatin1(productName));

    createScreenFonts();
    Scheme::registerItemTypes();
    FrameLayout::registerItemTypes();
    DlgSettings::load();

    QToolBar *toolBar = addToolBar(tr("ToolBar"));
    createMenus(this, &m_actions, menuBar(), toolBar);

    QDockWidget *toolBoxDock = new QDockWidget(tr("Object`s Panel"), this);
    toolBoxDock->setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
    addDockWidget(Qt::TopDockWidgetArea, toolBoxDock);
    QTabWidget *toolBox = new QTabWidget(toolBoxDock);
    toolBoxDock->setWidget(toolBox);
    createToolBox(toolBox, &m_actions);

    // New and Open stay off until the project commands are connected; the
    // other project commands (2, 3, 5, 6) and the project tools (22, 32, 33,
    // 34) are off from the start and are enabled only with an open project.
    for (int id : {0, 1}) {
        if (QAction *a = action(id))
            a->setEnabled(false);
    }
    addHandler(4, this, SLOT(importProject()));
    addHandler(10, qApp, SLOT(closeAllWindows()), true);
    addHandler(36, this, SLOT(showDlgSettings()), true);
    addHandler(38, this, SLOT(showDlgAbout()), true);
    setActive(true);

    m_tabWidget = new QTabWidget(this);
    QPushButton *closeButton = new QPushButton(QIcon(QStringLiteral(":/images/close.png")), QString(),
                                               m_tabWidget);
    m_tabWidget->setCornerWidget(closeButton, Qt::TopRightCorner);
    connect(closeButton, &QPushButton::released, this, &MainWindow::closeTabWidget);
    connect(m_tabWidget, &QTabWidget::currentChanged, this, &MainWindow::tabWidgetChanged);
    setCentralWidget(m_tabWidget);

    m_statusLabel = new QLabel(statusBar());
    m_statusLabel->setFrameShape(QFrame::StyledPanel);
    m_statusLabel->setAlignment(Qt::AlignCenter);
    m_statusLabel->setMinimumWidth(
        QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral(" X: 0000.00, Y: 0000.00 ")));
    statusBar()->addPermanentWidget(m_statusLabel, 0);

    resize(800, 600);
}

MainWindow::~MainWindow()
{
    deleteFonts();
}

void MainWindow::setCursorPos(const QPointF &pos)
{
    if (!CHECK_PTR(m_statusLabel) || pos == m_lastCursorPos)
        return;
    m_lastCursorPos = pos;
    m_statusLabel->setText(QString::asprintf(" X: %.2f, Y: %.2f ", pos.x(), pos.y()));
}

void MainWindow::closeTabWidget()
{
    if (!CHECK_PTR(m_tabWidget))
        return;
    closeView(m_tabWidget->currentWidget());
}

void MainWindow::tabWidgetChanged(int index)
{
    if (m_viewActions) {
        m_viewActions->setActive(false);
        m_viewActions = nullptr;
    }
    if (index < 0 || !CHECK_PTR(m_tabWidget))
        return;
    QWidget *view = m_tabWidget->widget(index);
    if (!CHECK_PTR(view))
        return;
    m_viewActions = viewActions(view);
    if (m_viewActions)
        m_viewActions->setActive(true);
}

void MainWindow::importProject()
{
    // Import has no function of its own.
}

void MainWindow::showDlgSettings()
{
    DlgSettings dialog(this);
    execModal(&dialog);
}

void MainWindow::showDlgAbout()
{
    const QDateTime stamp = programBuildDateTime();
    showInformation(tr("Programm") + QStringLiteral(": ") + QString::fromLatin1(productName)
                    + QStringLiteral("\n\n") + tr("Version") + QStringLiteral(": 1.")
                    + QString::number(int(DataStream::CurrentFormat)) + QStringLiteral("\n")
                    + tr("Date") + QStringLiteral(": ") + stamp.date().toString(Qt::TextDate)
                    + QStringLiteral("\n") + tr("Time") + QStringLiteral(": ")
                    + stamp.time().toString(Qt::TextDate));
}

QGraphicsView *MainWindow::findSceneView(QGraphicsScene *scene) const
{
    for (int i = 0; i < m_tabWidget->count(); ++i) {
        auto *view = qobject_cast<QGraphicsView *>(m_tabWidget->widget(i));
        if (view && view->scene() == scene)
            return view;
    }
    return nullptr;
}

void MainWindow::closeView(QWidget *view)
{
    if (!CHECK_PTR(view) || !CHECK_PTR(m_tabWidget))
        return;
    m_tabWidget->removeTab(m_tabWidget->indexOf(view));
    tabWidgetChanged(m_tabWidget->currentIndex());
    delete view;
}

ActionsManager *MainWindow::viewActions(QWidget *widget) const
{
    if (!CHECK_PTR(widget))
        return nullptr;
    return dynamic_cast<ActionsManager *>(widget);
}

void MainWindow::setProjectTitle(const QString &name)
{
    setWindowTitle(name + QStringLiteral(" - ") + QString::fromLatin1(productName));
}
