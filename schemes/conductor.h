#ifndef RLAY_CONDUCTOR_H
#define RLAY_CONDUCTOR_H

// A conductor: a named wire of the schemes. The object carries the wire's
// data (how many wires, the cable it runs in, a ring at the top clamp, a
// twisted pair, its polarity); its items mark where the wire is drawn:
// exactly one main graphic and duplicates of three sorts, of which only the
// "additional conductor" may be drawn more than once.

#include "model/tag.h"

#include <QCoreApplication>
#include <QString>

class GraphicsConductor;

class Conductor : public Tag
{
    Q_DECLARE_TR_FUNCTIONS(Conductor)

public:
    explicit Conductor(Project *project);

    quint8 count() const { return m_count; }
    void setCount(quint8 count) { m_count = count; }
    bool polarity() const { return m_polarity; }
    void setPolarity(bool on) { m_polarity = on; }
    // "PK" when set, "RK" when clear; read only with polarity.
    bool polarityPK() const { return m_polarityPK; }
    void setPolarityPK(bool on) { m_polarityPK = on; }
    bool ringWithTopClamp() const { return m_ringWithTopClamp; }
    void setRingWithTopClamp(bool on) { m_ringWithTopClamp = on; }
    bool twistedPair() const { return m_twistedPair; }
    void setTwistedPair(bool on) { m_twistedPair = on; }
    const QString &cableName() const { return m_cableName; }
    void setCableName(const QString &name) { m_cableName = name; }

    // One main graphic, one "place solder with bottom" duplicate, one
    // readdress duplicate and any number of additional duplicates. An item
    // already bound here does not count against itself.
    bool canAppend(ObjItem *item) override;

    // count, polarity, polarityPK (only with polarity), ring, twisted pair,
    // then the cable name from format 1 on.
    void writeData(DataStream &stream) override;
    void readData(DataStream &stream) override;

    // The first bound item of each sort; null when there is none.
    GraphicsConductor *mainItem() const;
    GraphicsConductor *solderWithBottomItem() const;
    GraphicsConductor *readdressItem() const;

    // The mark that follows the count in the labels.
    static QString markText();

private:
    enum Sort { MainSort, SolderSort, ReaddressSort, AdditionalSort };
    static Sort sortOf(const GraphicsConductor *item);
    // The first item of the sort other than except.
    GraphicsConductor *firstOfSort(Sort sort, const ObjItem *except) const;

    quint8 m_count = 0;
    bool m_polarity = false;
    bool m_polarityPK = false;
    bool m_ringWithTopClamp = false;
    bool m_twistedPair = false;
    QString m_cableName;
};

#endif
