#include "app/mainwindow.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication *app = new QApplication(argc, argv);

    // The framework's and R-LAY's own translations for the desktop's
    // language, from the current directory, when they are there.
    const QString locale = QLocale::system().name();
    if (!locale.isEmpty() && locale != QLatin1String("C")) {
        const QString language = locale.left(2);
        for (const char *base : {"qt", "r-lay"}) {
            QTranslator *translator = new QTranslator(app);
            if (translator->load(QString::fromLatin1(base) + "_" + language, "."))
                app->installTranslator(translator);
            else
                delete translator;
        }
    }

    MainWindow *window = new MainWindow;
    QObject::connect(app, &QApplication::lastWindowClosed, app, &QApplication::quit);
    window->show();
    const int result = app->exec();
    delete window;
    delete app;
    return result;
}
