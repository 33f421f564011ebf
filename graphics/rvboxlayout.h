#ifndef RLAY_RVBOXLAYOUT_H
#define RLAY_RVBOXLAYOUT_H

// The dialogs' vertical layout: installed on a parent with a margin and a
// spacing in one step, or left with the framework's defaults.

#include <QVBoxLayout>

class RVBoxLayout : public QVBoxLayout
{
    Q_OBJECT

public:
    RVBoxLayout();
    RVBoxLayout(QWidget *parent, int margin, int spacing);
};

#endif
