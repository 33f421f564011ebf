#ifndef RLAY_MEASURINGPANEL_H
#define RLAY_MEASURINGPANEL_H

// A measuring panel.

#include "model/device.h"

class MeasuringPanel : public Device
{
public:
    explicit MeasuringPanel(Project *project);
};

#endif
