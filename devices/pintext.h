#ifndef RLAY_PINTEXT_H
#define RLAY_PINTEXT_H

// The name of a wiring pin as the device items print it beside the pin.

#include "model/pin.h"

#include <QString>

inline QString pinText(const WiringPin *pin)
{
    return pin && pin->name() ? QString::fromUtf8(pin->name()) : QString();
}

// The same for the pins whose names are Latin-1.
inline QString latin1PinText(const WiringPin *pin)
{
    return pin && pin->name() ? QString::fromLatin1(pin->name()) : QString();
}

#endif // RLAY_PINTEXT_H
