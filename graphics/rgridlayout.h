#ifndef RLAY_RGRIDLAYOUT_H
#define RLAY_RGRIDLAYOUT_H

// The dialogs' grid layout: installed on a parent with a margin and a
// spacing in one step, or left with the framework's defaults.

#include <QGridLayout>

class RGridLayout : public QGridLayout
{
    Q_OBJECT

public:
    RGridLayout();
    RGridLayout(QWidget *parent, int margin, int spacing);
};

#endif
