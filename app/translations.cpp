#include "app/translations.h"

#include <QCoreApplication>
#include <QTranslator>

QStringList installTranslators(QCoreApplication *app, const QString &localeName)
{
    QStringList tried;
    if (localeName.isEmpty() || localeName == QLatin1String("C"))
        return tried;
    const QString suffix = QStringLiteral("_") + localeName.left(2);
    for (const char *base : {"qt", "r-lay"}) {
        const QString name = QString::fromLatin1(base) + suffix;
        tried << name;
        QTranslator *translator = new QTranslator(app);
        if (translator->load(name))
            app->installTranslator(translator);
        else
            delete translator;
    }
    return tried;
}
