#include "app/mainwindow.h"

#include "graphics/font.h"

MainWindow::MainWindow()
{
    createScreenFonts();
    setWindowTitle(tr("R-LAY"));
    resize(800, 600);
}

MainWindow::~MainWindow()
{
    deleteFonts();
}
