#ifndef RLAY_DEVICEPARTS_H
#define RLAY_DEVICEPARTS_H

// Registers the device kinds with the project's kind table. Called once,
// before any project is built (app/registration).
void registerDeviceParts();

#endif
