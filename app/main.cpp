#include "app/mainwindow.h"
#include "app/translations.h"
#include "model/heappages.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    setUpHeap();
    QApplication *app = new QApplication(argc, argv);
    installTranslators(app, QLocale::system().name());

    MainWindow *window = new MainWindow;
    QObject::connect(app, &QApplication::lastWindowClosed, app, &QApplication::quit);
    window->show();
    const int result = app->exec();
    delete window;
    delete app;
    return result;
}
