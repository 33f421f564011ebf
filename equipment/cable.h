#ifndef RLAY_CABLE_H
#define RLAY_CABLE_H

// One cable between two frames: its type from the cable catalogue, its
// number and its cores. Also the catalogue of cable types with their marks,
// and the project-wide list of cable types in use with the twisted-pair
// setting, both saved with the cable specification.

#include <QHash>
#include <QList>
#include <QString>

class DataStream;
class SpecificationManagerCable;

struct CableCore
{
    QString from;
    QString to;
    qint32 clamp = 0;
};

class Cable
{
public:
    enum { TypeCount = 86, MarkCount = 6 };

    explicit Cable(int type);
    virtual ~Cable();

    Cable(const Cable &) = delete;
    Cable &operator=(const Cable &) = delete;

    int type() const { return m_type; }
    int number() const { return m_number; }
    void setNumber(int number);
    const QList<CableCore *> &cores() const { return m_cores; }
    // The cable takes the core.
    void appendCore(CableCore *core);
    // The cable list that holds the cable under the key of the frames it
    // joins: told of each change, so that its file and both frames' cable
    // pages follow.
    void setOwner(SpecificationManagerCable *owner, quint64 key);

    // The cores of the cable's type not yet in its list; 0 after a failed
    // check for a type outside the catalogue.
    int freeCores() const;

    void write(DataStream &stream) const;
    // Stops at the end of the data: a cut-short core list keeps the cores
    // read whole.
    void read(DataStream &stream);

    // The catalogue. Mark text, "-", size; empty after a failed check.
    static QString typeName(int type);
    static QString markName(int mark);
    // -1 (mark, cores) or false after a failed check.
    static int typeMark(int type);
    static int typeCores(int type);
    static bool isDefaultType(int type);
    // The rows whose default flag is set, ascending: the types a new
    // project uses.
    static QList<int> defaultUsedTypes();

    // Before a project is read: twisted pair is the standard again.
    static void resetGlobals();
    static void writeUsedTypes(DataStream &stream);
    // Also adds the default types the writing program did not know yet.
    static void readUsedTypes(DataStream &stream);

private:
    void changed();

    SpecificationManagerCable *m_owner = nullptr;
    quint64 m_key = 0;
    int m_type;
    int m_number = 0;
    QList<CableCore *> m_cores;
};

// The cables of a project by frame pair: the high 32 bits of the key hold
// the code of the frame the cables come from, the low 32 bits the code of the
// frame they go to.
using CableTable = QHash<quint64, QList<Cable *>>;

// The cable types in use (rows of the catalogue) and whether twisted pair is
// the standard cable: process-wide values of the open project.
extern QList<int> usedCableTypes;
extern bool twistedPairStandard;

#endif
