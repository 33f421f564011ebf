#ifndef RLAY_TEST_ACTIONLIST_H
#define RLAY_TEST_ACTIONLIST_H

// The application's actions, built from the action table as the main
// window builds them: what an editor view made by a test without the
// window answers its commands with.

#include <QAction>
#include <QList>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>
#include <QWidget>

struct ActionList
{
    ActionList();

    QWidget host;
    QMenuBar menuBar;
    QToolBar toolBar;
    QTabWidget toolBox;
    QList<QAction *> list;
};

#endif
