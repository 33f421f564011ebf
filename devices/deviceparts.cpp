#include "devices/deviceparts.h"

#include "devices/ammeter.h"
#include "devices/autoswitch.h"
#include "devices/bell.h"
#include "devices/block.h"
#include "devices/boxx.h"
#include "devices/button.h"
#include "devices/capacitor.h"
#include "devices/clamp.h"
#include "devices/commutator.h"
#include "devices/diode.h"
#include "devices/discharger.h"
#include "devices/fuse.h"
#include "devices/heating.h"
#include "devices/interrupter.h"
#include "devices/keystaff.h"
#include "devices/lamp.h"
#include "devices/luminodiode.h"
#include "devices/measuringpanel.h"
#include "devices/module.h"
#include "devices/plughole.h"
#include "devices/relay.h"
#include "devices/resistor.h"
#include "devices/signallamp.h"
#include "devices/stabilitron.h"
#include "devices/trans.h"
#include "devices/varistor.h"
#include "model/projectparts.h"

namespace {

// A relay winding is carried by its item: it has no factory of its own.
const DeviceKindEntry deviceKinds[] = {
    {202, createObj<Relay>, QT_TRANSLATE_NOOP("Project", "Relay"), 0, 0, 0, 0},
    {2, nullptr, QT_TRANSLATE_NOOP("Project", "RelayWinding"), 0, 0, 0, 0},
    {201, createObj<Block>, QT_TRANSLATE_NOOP("Project", "Block"), 0, 0, 0, 0},
    {205, createObj<Trans>, QT_TRANSLATE_NOOP("Project", "Trans"), 0, 0, 0, 0},
    {204, createObj<Fuse>, QT_TRANSLATE_NOOP("Project", "Fuse"), 1, 0, 0, 0},
    {203, createObj<ClampPanel>, QT_TRANSLATE_NOOP("Project", "ClampPanel"), 0, 0, 0, 0},
    {206, createObj<Plughole>, QT_TRANSLATE_NOOP("Project", "Plughole"), 1, 1, 1, 0},
    {207, createObj<Capacitor>, QT_TRANSLATE_NOOP("Project", "Capacitor"), 1, 1, 1, 0},
    {208, createObj<Resistor>, QT_TRANSLATE_NOOP("Project", "Resistor"), 1, 1, 1, 0},
    {209, createObj<Discharger>, QT_TRANSLATE_NOOP("Project", "Discharger"), 1, 1, 1, 0},
    {210, createObj<Varistor>, QT_TRANSLATE_NOOP("Project", "Varistor"), 1, 1, 1, 0},
    {211, createObj<Diode>, QT_TRANSLATE_NOOP("Project", "Diode"), 1, 1, 1, 0},
    {212, createObj<Stabilitron>, QT_TRANSLATE_NOOP("Project", "Stabilitron"), 1, 1, 1, 0},
    {213, createObj<Lamp>, QT_TRANSLATE_NOOP("Project", "Lamp"), 0, 0, 0, 0},
    {214, createObj<Bell>, QT_TRANSLATE_NOOP("Project", "Bell"), 0, 0, 0, 0},
    {215, createObj<MeasuringPanel>, QT_TRANSLATE_NOOP("Project", "MeasuringPanel"), 0, 0, 0, 0},
    {216, createObj<Heating>, QT_TRANSLATE_NOOP("Project", "Heating"), 0, 0, 0, 0},
    {217, createObj<Boxx>, QT_TRANSLATE_NOOP("Project", "Box"), 0, 0, 0, 0},
    {218, createObj<Interrupter>, QT_TRANSLATE_NOOP("Project", "Interrupter"), 1, 1, 1, 0},
    {219, createObj<Luminodiode>, QT_TRANSLATE_NOOP("Project", "Luminodiode"), 0, 0, 1, 0},
    {220, createObj<Signallamp>, QT_TRANSLATE_NOOP("Project", "Signallamp"), 0, 0, 1, 0},
    {221, createObj<Button>, QT_TRANSLATE_NOOP("Project", "Button"), 0, 0, 0, 0},
    {222, createObj<Commutator>, QT_TRANSLATE_NOOP("Project", "Commutator"), 0, 0, 0, 0},
    {223, createObj<Keystaff>, QT_TRANSLATE_NOOP("Project", "Keystaff"), 0, 0, 0, 0},
    {224, createObj<Module>, QT_TRANSLATE_NOOP("Project", "Module"), 0, 0, 0, 0},
    {225, createObj<Ammeter>, QT_TRANSLATE_NOOP("Project", "Ammeter"), 0, 0, 1, 0},
    {226, createObj<AutoSwitch>, QT_TRANSLATE_NOOP("Project", "AutoSwitch"), 0, 0, 0, 0},
};

} // namespace

void registerDeviceParts()
{
    ProjectParts::addKinds(deviceKinds);
}
