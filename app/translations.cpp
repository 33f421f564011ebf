#include "app/translations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cstring>

namespace {

bool install(QCoreApplication *app, const QString &name)
{
    auto *translator = new QTranslator(app);
    if (translator->load(name) && app->installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QStringList installTranslators(QCoreApplication *app, const QString &localeName)
{
    QStringList tried;
    bool own = false;
    if (!localeName.isEmpty() && localeName != QLatin1String("C")) {
        const QString suffix = QStringLiteral("_") + localeName.left(2);
        for (const char *base : {"qt", "r-lay"}) {
            const QString name = QString::fromLatin1(base) + suffix;
            tried << name;
            own = install(app, name) && std::strcmp(base, "r-lay") == 0;
        }
    }
    if (!own)
        install(app, QStringLiteral(":/translations/r-lay_en.qm"));
    return tried;
}
