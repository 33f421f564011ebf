#ifndef RLAY_WIRINGLAYOUT_H
#define RLAY_WIRINGLAYOUT_H

// The pages of a frame's wiring documents, and the project-name field that
// wiring pages and cable specification pages draw over their title block.

class Project;
class QPainter;

// The project's object name (property 2) in font 6, on a sheet of the given
// width and height: above the stamp for kind 0 (part and cable pages, cable
// specification lists), to the left of the stamp for the other kinds.
void drawTitleBlock(Project *project, int kind, QPainter *painter, double width, double height);

#endif
