#ifndef RLAY_CONTACTSYMBOL_H
#define RLAY_CONTACTSYMBOL_H

// The symbol of a relay contact, for every contact kind of the relay
// catalogue. The contact item on schemes, the keystaff and the contact
// picture buttons all draw through drawContact, so a contact looks the same
// everywhere.

#include <QSizeF>

class QPainter;
class QPen;

// Contact kind codes, as the catalogue's ids name them.
enum ContactKindCode {
    NOBREAK = 0,
    INTENSIV = 1,
    MAGNET = 2,
    INTENSIV_F = 3,
    POLAR_MAGNET = 4,
    INTENSIV_T = 5,
    POLAR_INTENSIV = 6,
    NEUTRAL = 7,
    POLARIZED = 8,
    NEUTRAL_F = 9,
    THERMO = 10,
    NEUTRAL_T = 11,
    INTENSIV_FUT = 12,
    INTENSIV_FTU = 13
};

// The picture buttons of the contact dialog show the energised state while
// this is set; the dialog sets it from its "Under" choice. False at start.
extern bool contactPictureUnderCurrent;

// The symbol box of a contact kind in item units: 160 x 80, and 160 x 160 for
// the thermal contact (kind 10), whose heater sits below the contact.
QSizeF contactSize(int kind);

// Draws the symbol of a contact of the given kind in the painter's item
// coordinates. underCurrent draws the energised state (front contact
// closed). pen and dashPen are the caller's solid and dashed pens. A front or
// back part that is not on is drawn as help in green, or left out with
// hideHelp. Afterwards the painter's pen is pen and its transform is as it
// was. A kind outside the catalogue draws nothing and leaves the painter
// untouched; painting never reports.
void drawContact(QPainter *painter, int kind, bool underCurrent, const QPen &pen,
                 const QPen &dashPen, bool frontOn, bool backOn, bool hideHelp);

#endif
