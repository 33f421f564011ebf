#ifndef RLAY_BUILDSTAMP_H
#define RLAY_BUILDSTAMP_H

#include <QDateTime>

// The local date and time at which the program was built, from the
// compiler's date ("MMM d yyyy", blanks collapsed) and time ("hh:mm:ss").
QDateTime programBuildDateTime();

#endif
