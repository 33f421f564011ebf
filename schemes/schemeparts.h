#ifndef RLAY_SCHEMEPARTS_H
#define RLAY_SCHEMEPARTS_H

// Registers what the schemes add to every project: their tag kinds, the
// scheme branch, the reference sheet, and what the pins ask of the kinds of
// scene items. Called once, before any project is built (app/registration).
void registerSchemeParts();

#endif
