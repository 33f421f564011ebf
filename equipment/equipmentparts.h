#ifndef RLAY_EQUIPMENTPARTS_H
#define RLAY_EQUIPMENTPARTS_H

// Registers what the equipment adds to every project: the equipment and the
// two specification branches, and what a device asks of the equipment that
// places and wires it. Called once, before any project is built
// (app/registration).
void registerEquipmentParts();

#endif
