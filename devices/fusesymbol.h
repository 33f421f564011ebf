#ifndef RLAY_FUSESYMBOL_H
#define RLAY_FUSESYMBOL_H

// The body of a fuse: two leads and the fuse rectangle between them, 160
// long on the line y = 0. The fuse item, the keystaff's resistor group and
// the component kinds that show a fuse body draw it with the painter's
// current pen, in their item coordinates.

class QPainter;

void drawFuseSymbol(QPainter *painter);

#endif
