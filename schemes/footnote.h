#ifndef RLAY_FOOTNOTE_H
#define RLAY_FOOTNOTE_H

// A footnote: a named cross-reference mark whose items, on one sheet or on
// several, are one electrical point. A walk that reaches one item of the
// footnote goes on at every other item of it.

#include "model/tag.h"

#include <QList>

class GraphicsUnite;
class Pin;

class Footnote : public Tag
{
public:
    explicit Footnote(Project *project);

    // The walks of the footnote's items: handed on through every pin of
    // every item but the entry pin. The footnote adds nothing itself.
    void collectClewPins(Pin *entry, QList<Pin *> &pins);
    void collectClew(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n);
};

#endif
