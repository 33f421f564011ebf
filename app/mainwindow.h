#ifndef RLAY_MAINWINDOW_H
#define RLAY_MAINWINDOW_H

#include <QMainWindow>

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;
};

#endif
