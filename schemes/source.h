#ifndef RLAY_SOURCE_H
#define RLAY_SOURCE_H

// A source: a named supply point of the schemes; all its items stand for
// the same supply. It tells whether the supply comes from the r bus or the
// rb bus of a frame and whether it needs a ring bus; the equipment layout
// reads these.

#include "model/tag.h"

#include <QCoreApplication>
#include <QList>

class Pin;

class Source : public Tag
{
    Q_DECLARE_TR_FUNCTIONS(Source)

public:
    explicit Source(Project *project);

    bool busRFrame() const { return m_busRFrame; }
    void setBusRFrame(bool on) { m_busRFrame = on; }
    bool busRBFrame() const { return m_busRBFrame; }
    void setBusRBFrame(bool on) { m_busRBFrame = on; }
    bool ringBus() const { return m_ringBus; }
    void setRingBus(bool on) { m_ringBus = on; }

    // busRFrame, ringBus, busRBFrame. Files older than format 4 have no
    // rb flag: it takes the r flag's value.
    void writeData(DataStream &stream) override;
    void readData(DataStream &stream) override;

    // Collects the device pins that each item of the source feeds (the
    // list must come empty) and reports, with one error box each, every
    // further source item that a clew of the source reaches.
    void checkSingleSource(QList<Pin *> &pins);

private:
    bool m_busRFrame = false;
    bool m_busRBFrame = false;
    bool m_ringBus = false;
};

#endif
