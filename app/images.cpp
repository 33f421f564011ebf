#include "app/images.h"

#include <QtGlobal>

static void registerImages()
{
    Q_INIT_RESOURCE(resources);
}

void initImages()
{
    static const bool registered = (registerImages(), true);
    Q_UNUSED(registered);
}
