#include "devices/contactgroup.h"

#include <QStringList>

bool isContactGroupKind(int kind)
{
    return kind >= 0 && kind < ContactGroupKindCount;
}

int contactGroupPinCount(int kind)
{
    switch (kind) {
    case GroupKindFT:
        return 3;
    case GroupKindF:
    case GroupKindT:
        return 2;
    default:
        return 0;
    }
}

bool groupKindHasFront(int kind)
{
    return kind == GroupKindFT || kind == GroupKindF;
}

bool groupKindHasBack(int kind)
{
    return kind == GroupKindFT || kind == GroupKindT;
}

bool isGroupCompatible(int groupKind, int itemKind)
{
    if (!isContactGroupKind(groupKind) || !isContactGroupKind(itemKind))
        return false;
    return groupKind == itemKind || groupKind == GroupKindFT;
}

QString contactGroupText(const ContactGroup &group)
{
    QStringList names;
    const int count = contactGroupPinCount(group.kind);
    for (int i = 0; i < count && group.names; ++i)
        names << QString::fromLatin1(group.names[i]);
    return names.join(QLatin1Char('-'));
}

void contactGroupPinNames(const ContactGroup &group, int itemKind, const char *names[3])
{
    names[0] = names[1] = names[2] = nullptr;
    if (!group.names || !isGroupCompatible(group.kind, itemKind))
        return;
    int next = 0;
    names[next++] = group.names[0];
    if (groupKindHasFront(itemKind))
        names[next++] = group.names[1];
    if (groupKindHasBack(itemKind))
        names[next++] = group.names[contactGroupPinCount(group.kind) - 1];
}
