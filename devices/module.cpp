#include "devices/module.h"

#include "devices/graphicscommand.h"
#include "devices/modulecatalogue.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

#include <QVector>

namespace {

const ModuleType *checkedType(int type)
{
    if (!CHECK(type >= 0 && type < ModuleTypeCount))
        return nullptr;
    return &moduleTypes[type];
}

GraphicsCommand *commandOf(ObjItem *item)
{
    PinOwner *owner = item ? item->pinOwner() : nullptr;
    GraphicsItem *graphics = owner ? owner->graphicsItem() : nullptr;
    if (!graphics || graphics->type() != GraphicsCommand::Type)
        return nullptr;
    return dynamic_cast<GraphicsCommand *>(graphics);
}

} // namespace

Module::Module(Project *project)
    : Device(project, ModuleKind)
{
}

bool Module::canAppend(ObjItem *item)
{
    if (!CHECK_PTR(item))
        return false;
    // Only command items show a module.
    GraphicsCommand *command = commandOf(item);
    if (!command)
        return false;
    const int number = freeCommandNumber(command->kind(), command->number(), command);
    if (number < 0)
        return false;
    command->setNumber(quint8(number));
    return true;
}

bool Module::hasModel(int index) const
{
    return index >= 0 && index < ModuleTypeCount;
}

void Module::readData(DataStream &stream)
{
    Device::readData(stream);
    if (stream.status() != QDataStream::Ok)
        return;
    if (m_modelIndex < -1 || m_modelIndex >= ModuleTypeCount) {
        m_modelIndex = -1;
        stream.setStatus(QDataStream::ReadCorruptData);
    }
}

QString Module::modelName() const
{
    // A module read without a type is shown as such in the tables that list
    // the devices: a missing type is no failure of the program.
    const int type = modelIndex();
    return type >= 0 && type < ModuleTypeCount ? typeModelName(type) : tr("M");
}

int Module::placeType() const
{
    const int type = modelIndex();
    return type >= 0 && type < ModuleTypeCount ? moduleTypes[type].placeType : -1;
}

int Module::addressSuffix() const
{
    return AddressSuffixFlag;
}

int Module::number() const
{
    // Up to nine plain digits, as module names are made, are read here;
    // anything else is read as toInt reads it.
    const QStringView digits = QStringView(name()).mid(2);
    if (!digits.isEmpty() && digits.size() <= 9) {
        int value = 0;
        for (const QChar c : digits) {
            const char16_t u = c.unicode();
            if (u < u'0' || u > u'9')
                return parsedNumber(digits);
            value = value * 10 + (u - u'0');
        }
        return value;
    }
    return parsedNumber(digits);
}

int Module::parsedNumber(QStringView digits)
{
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok ? value : 0;
}

bool Module::hasCommandFrom(int from) const
{
    // A module holds command items only: canAppend takes no other, and an
    // item restored to it binds the module's kind, which only commands
    // bind. The numbers are read without asking each item what it is: the
    // items lie on the scheme sheets, far from the module and from each
    // other, and each question is one more read of memory.
    const int type = modelIndex();
    const int count = type >= 0 && type < ModuleTypeCount ? moduleTypes[type].commandCount : 0;
    for (ObjItem *item : items()) {
        const int n = static_cast<const GraphicsCommand *>(item)->number();
        if (n >= from && n < count)
            return true;
    }
    return false;
}

void Module::prefetchCommands(const QList<Module *> &modules)
{
    // The lists first, then the items they point to.
    for (const Module *module : modules)
        __builtin_prefetch(module->items().constData());
    for (const Module *module : modules) {
        for (ObjItem *item : module->items())
            static_cast<const GraphicsCommand *>(item)->prefetchNumber();
    }
}

QList<GraphicsCommand *> Module::commandItems() const
{
    QList<GraphicsCommand *> result;
    result.reserve(items().size());
    for (ObjItem *item : items()) {
        if (GraphicsCommand *command = commandOf(item))
            result.append(command);
    }
    return result;
}

int Module::freeCommandNumber(int kind, int wanted, const GraphicsCommand *except) const
{
    const int type = modelIndex();
    if (type < 0 || type >= ModuleTypeCount || moduleTypeOfKind(kind) != type)
        return -1;
    const int count = moduleTypes[type].commandCount;
    QVector<bool> taken(count, false);
    for (GraphicsCommand *command : commandItems()) {
        if (command != except && command->number() < count)
            taken[command->number()] = true;
    }
    if (wanted >= 0 && wanted < count && !taken[wanted])
        return wanted;
    for (int i = 0; i < count; ++i) {
        if (!taken[i])
            return i;
    }
    return -1;
}

QString Module::typeName(int type)
{
    const ModuleType *row = checkedType(type);
    return row ? tr(row->name) : QString();
}

QString Module::typeDescription(int type)
{
    const ModuleType *row = checkedType(type);
    return row ? tr(row->description) : QString();
}

QString Module::signalName(int type, int signal)
{
    const ModuleType *row = checkedType(type);
    if (!row || !CHECK(signal >= 0 && signal < row->signalCount))
        return QString();
    return tr(row->signalNames[signal]);
}

int Module::signalCount(int type)
{
    const ModuleType *row = checkedType(type);
    return row ? row->signalCount : 0;
}

int Module::commandCount(int type)
{
    const ModuleType *row = checkedType(type);
    return row ? row->commandCount : 0;
}

QString Module::typeModelName(int type)
{
    return tr("M") + typeName(type);
}

int Module::countOfType(Project *project, int type)
{
    const NameIndex *modules = project ? project->objectsOfKind(ModuleKind) : nullptr;
    if (!modules)
        return 0;
    int count = 0;
    for (Obj *obj : *modules) {
        auto *module = dynamic_cast<Module *>(obj);
        if (CHECK_PTR(module) && module->modelIndex() == type)
            ++count;
    }
    return count;
}
