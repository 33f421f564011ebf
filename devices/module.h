#ifndef RLAY_MODULE_H
#define RLAY_MODULE_H

// A DC module of the telecontrol and telesignalling equipment: "TS" (48
// commands), "TU" (32) or "TV" (12), its catalogue index being the type. A
// module stands on no scheme itself; it is shown through its commands, the
// command items bound to it by name, each on one command number of the
// module. Its name is the type name followed by the module number (TU5).

#include "model/device.h"

#include <QCoreApplication>

class GraphicsCommand;

class Module : public Device
{
    Q_DECLARE_TR_FUNCTIONS(Module)

public:
    // The flag byte of a module's place: suffix kind 11, "DCK".
    enum { AddressSuffixFlag = 0x40 | 11 };

    explicit Module(Project *project);

    // A command item is taken when its kind belongs to the module's type
    // and a command number is free: its own when it has a free one, else
    // the first free number, which the item takes.
    bool canAppend(ObjItem *item) override;
    // The type read is a row of the type table or -1 (none); anything else
    // is a damaged record.
    void readData(DataStream &stream) override;
    bool hasModel(int index) const override;

    // "M" and the type name; "M" alone without a type.
    QString modelName() const override;
    // The type's place type; -1 without a type.
    int placeType() const override;
    // A module's place carries the "DCK" suffix (AddressSuffixFlag).
    int addressSuffix() const override;

    // The integer after the two-character type prefix of the name; 0 when
    // it is no number.
    int number() const;
    // The command number an item of the kind would take, wanting the
    // given number (255 for none), besides the module's other items than
    // except; -1 when the kind does not belong to the module's type or
    // every number is taken.
    int freeCommandNumber(int kind, int wanted, const GraphicsCommand *except) const;
    // The command items bound to the module.
    QList<GraphicsCommand *> commandItems() const;
    // Whether a command item of the module bears a number from the given
    // one up to the last of its type.
    bool hasCommandFrom(int from) const;
    // Asks for the memory of the modules' command numbers ahead of a walk
    // over them: the reads overlap instead of following one another.
    static void prefetchCommands(const QList<Module *> &modules);

    // Lookups over the type table; a type outside it fails a check and
    // gives an empty text or 0.
    static QString typeName(int type);
    static QString typeDescription(int type);
    static QString signalName(int type, int signal);
    static int signalCount(int type);
    static int commandCount(int type);
    static QString typeModelName(int type);
    // The project's modules of the type.
    static int countOfType(Project *project, int type);

private:
    // The number text as QString::toInt reads it; 0 when it is no number.
    static int parsedNumber(QStringView digits);
};

#endif
