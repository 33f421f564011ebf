#ifndef RLAY_PRINTING_H
#define RLAY_PRINTING_H

// Painting on a printer, for every print and PDF command. A PDF file that
// cannot be opened is named in a box; so is one that did not reach the disk
// whole (a full disk), which is removed rather than left cut short. False on
// either.

class QPainter;
class QPrinter;

bool beginPainting(QPainter &painter, QPrinter &printer);
bool endPainting(QPainter &painter, QPrinter &printer);

#endif
