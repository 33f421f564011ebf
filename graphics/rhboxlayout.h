#ifndef RLAY_RHBOXLAYOUT_H
#define RLAY_RHBOXLAYOUT_H

// The dialogs' horizontal layout: installed on a parent with a margin and a
// spacing in one step, or left with the framework's defaults.

#include <QHBoxLayout>

class RHBoxLayout : public QHBoxLayout
{
    Q_OBJECT

public:
    RHBoxLayout();
    RHBoxLayout(QWidget *parent, int margin, int spacing);
};

#endif
