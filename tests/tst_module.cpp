// The module catalogue (types, terminals, command groups and templates) and
// the Module device: its answers by type, its record, and which command
// items it takes on which command numbers.

#include "devices/graphicscommand.h"
#include "devices/module.h"
#include "devices/modulecatalogue.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/place.h"
#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "model/address.h"
#include "model/datastream.h"
#include "model/pin.h"
#include "model/project.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"

#include <QSet>
#include <QtTest>

namespace {

// A sheet that makes command items from their type id.
class CommandSheet : public GraphicsScene
{
public:
    explicit CommandSheet(Project *project)
        : GraphicsScene(project)
    {
        setSheetFormat(PaperA3, true, 1);
    }

    int groupNumber() const override { return 0; }
    GraphicsItem *createItem(int type) override
    {
        if (type == GraphicsCommand::Type)
            return createGraphicsCommand(this);
        return GraphicsScene::createItem(type);
    }
};

bool allChecks(const QStringList &texts)
{
    for (const QString &text : texts) {
        if (!text.endsWith(QLatin1String("FALSE expression")))
            return false;
    }
    return true;
}

Module *newModule(Project &project, const QString &name, int type)
{
    auto *module = dynamic_cast<Module *>(project.createDevice(ModuleKind));
    if (!module)
        return nullptr;
    module->setModelIndex(type);
    module->setName(name);
    return module;
}

GraphicsCommand *newCommand(GraphicsScene &sheet, int kind, int number = GraphicsCommand::NoNumber)
{
    auto *item = dynamic_cast<GraphicsCommand *>(sheet.createItem(GraphicsCommand::Type));
    if (!item)
        return nullptr;
    sheet.addGraphicsItem(item);
    item->setKind(kind);
    item->setNumber(quint8(number));
    return item;
}

QString pinName(GraphicsCommand *item, int index)
{
    WiringPin *pin = item->wiringPin(index);
    return pin && pin->name() ? QString::fromLatin1(pin->name()) : QString();
}

QStringList templateNames(int first, int last)
{
    QStringList names;
    for (int i = first; i <= last; ++i)
        names << QString::fromLatin1(commandTemplates[i].name);
    return names;
}

} // namespace

class TestModule : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { createScreenFonts(); }
    void cleanupTestCase() { deleteFonts(); }

    void catalogueTables()
    {
        ModalRecorder rec;
        // The type table, its end row.
        const QStringList names = {"TS", "TU", "TV"};
        const QList<int> commands = {48, 32, 12};
        const QList<int> signalCounts = {7, 12, 12};
        const QList<int> places = {149, 150, 151};
        const QList<int> perPage = {2, 2, 4};
        const QList<int> schemes = {12, 8, 6};
        const QStringList descriptions = {"TeleSign", "TeleCont", "TeleCont"};
        const QStringList models = {"TS.2408", "TU.2406", "TV.2412"};
        const QStringList captions = {"C1 C2", "Y1 Y2", "+ -"};
        const QList<int> order = {1, 2, 0};
        for (int t = 0; t < ModuleTypeCount; ++t) {
            const ModuleType &row = moduleTypes[t];
            QCOMPARE(QString(row.name), names[t]);
            QCOMPARE(int(row.commandCount), commands[t]);
            QCOMPARE(int(row.signalCount), signalCounts[t]);
            QCOMPARE(int(row.placeType), places[t]);
            QCOMPARE(int(row.modulesPerTablePage), perPage[t]);
            QCOMPARE(int(row.dcSchemeCount), schemes[t]);
            QCOMPARE(QString(row.description), descriptions[t]);
            QCOMPARE(QString(row.model), models[t]);
            QCOMPARE(QString("%1 %2").arg(row.terminalCaptions[0], row.terminalCaptions[1]), captions[t]);
            QCOMPARE(int(row.dcOrderEntry), order[t]);
        }
        QVERIFY(!moduleTypes[ModuleTypeCount].name && !moduleTypes[ModuleTypeCount].signalNames);
        QCOMPARE(moduleTypes[ModuleTypeCount].commandCount, 0);

        QStringList signalsOf[3];
        for (int t = 0; t < ModuleTypeCount; ++t)
            for (int s = 0; s < moduleTypes[t].signalCount; ++s)
                signalsOf[t] << QString(moduleTypes[t].signalNames[s]);
        QCOMPARE(signalsOf[0], QStringList({"0", "1", "2", "1/2", "2/1", "2D", "D"}));
        QCOMPARE(signalsOf[1],
                 QStringList({"z", "r", "zP", "zM", "rP", "rM", "zF", "zfP", "zfM", "rF", "rfP", "rfM"}));
        // "rM" comes before "rP" for "TV".
        QCOMPARE(signalsOf[2],
                 QStringList({"z", "r", "zP", "zM", "rM", "rP", "zF", "zfP", "zfM", "rF", "rfP", "rfM"}));

        // Terminals "01" to "64".
        for (int i = 0; i < ModuleTerminalCount; ++i)
            QCOMPARE(QString(terminalNames[i]), QString::asprintf("%02d", i + 1));
        QVERIFY(!terminalNames[ModuleTerminalCount]);

        QCOMPARE(QList<int>({commandKindModuleTypes[0], commandKindModuleTypes[1], commandKindModuleTypes[2],
                             commandKindModuleTypes[3]}),
                 QList<int>({0, 1, 1, 2}));

        // Groups: sampled rows and the type of every row.
        QCOMPARE(QString(commandGroups[0].name), QString("TS Cross"));
        QCOMPARE(QString(commandGroups[17].name), QString("TS Disk"));
        QCOMPARE(QString(commandGroups[18].name), QString("TU Stage"));
        QCOMPARE(QString(commandGroups[27].name), QString("TV Cross"));
        QCOMPARE(QString(commandGroups[29].name), QString("TU Path"));
        QCOMPARE(QString(commandGroups[34].name), QString("TS OtherLight"));
        QCOMPARE(QString(commandGroups[36].name), QString("TV Ties"));
        QList<int> groupTypes;
        for (int g = 0; g < CommandGroupCount; ++g)
            groupTypes << commandGroups[g].moduleType;
        QCOMPARE(groupTypes, QList<int>({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1,
                                         1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 1, 1, 2, 2, 2, 0, 0, 2}));
        QVERIFY(!commandGroups[CommandGroupCount].name);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void commandTemplates()
    {
        QVERIFY(!::commandTemplates[CommandTemplateCount].name);
        QCOMPARE(::commandTemplates[CommandTemplateCount].group, 0);

        // Templates per group.
        QList<int> perGroup(CommandGroupCount, 0);
        QSet<QString> seen;
        for (int i = 0; i < CommandTemplateCount; ++i) {
            QVERIFY(::commandTemplates[i].name);
            QVERIFY(::commandTemplates[i].group >= 0 && ::commandTemplates[i].group < CommandGroupCount);
            ++perGroup[::commandTemplates[i].group];
            seen.insert(QString(::commandTemplates[i].name));
        }
        QCOMPARE(seen.size(), int(CommandTemplateCount));
        QCOMPARE(perGroup, QList<int>({26, 44, 4, 8, 13, 36, 19, 21, 22, 10, 20, 43, 37, 12, 31, 40, 6, 15, 17,
                                       28, 7, 13, 26, 8, 13, 4, 2, 18, 16, 2, 18, 3, 4, 1, 13, 22, 1}));

        // Ranges keep the width of their first and last names.
        QCOMPARE(templateNames(0, 2), QStringList({"TS Cross    1", "TS Cross    2", "TS Cross    3"}));
        QCOMPARE(templateNames(8, 10), QStringList({"TS Cross    9", "TS Cross   10", "TS Cross   11"}));
        QCOMPARE(templateNames(21, 23), QStringList({"TS Cross   22", "TS Stage  23", "TS Stage  24"}));
        QCOMPARE(templateNames(54, 56), QStringList({"TS Stage  55", "TS Approach  56", "TS Approach  57"}));
        QCOMPARE(templateNames(102, 104), QStringList({"TS Fork 103", "TS Fork 104", "TS InLight 105"}));
        QCOMPARE(templateNames(96, 97), QStringList({"TS Fork  97", "TS Fork  98"}));
        QCOMPARE(templateNames(167, 169), QStringList({"TS ShuntLight 168", "TS ErrorsLight 169", "TS ErrorsLight 170"}));
        QCOMPARE(templateNames(328, 330), QStringList({"TS Disk 329", "TU Stage 330", "TU Stage 331"}));
        QCOMPARE(templateNames(422, 424), QStringList({"TU Signalization 423", "TU Signalization 424", "TV Cross 425"}));
        QCOMPARE(templateNames(447, 451),
                 QStringList({"TV Fork 448", "TV Fork 384", "TV Fork 385", "TS Cross   18a", "TS Stage  27a"}));
        QCOMPARE(templateNames(477, 489),
                 QStringList({"TS Stage  45a", "TS Stage  45b", "TS Stage  47b", "TS Stage  45c", "TS Stage  48a",
                              "TS Stage  45d", "TS Fork 104a", "TS Fork  94a", "TS Fork  94b", "TS Stage  54a",
                              "TS Cross    7a", "TS Cross   10a", "TS Cross   14a"}));
        QCOMPARE(templateNames(544, 549),
                 QStringList({"TV MK 1000", "TS Road  1001", "TS Route 1002", "TS Route 1003", "TS STCB 1004",
                              "TU Cross 1005"}));
        QCOMPARE(templateNames(586, 592),
                 QStringList({"TU Fork 1042", "TU Fork 1043", "TU OtherLight 1044", "TU OtherLight 1045",
                              "TU OtherLight 1046", "TU OtherLight 1047", "TS Ties 1048"}));
        QCOMPARE(templateNames(613, 622),
                 QStringList({"TV Ties 1069", "TS Fork 1070", "TS Fork 1071", "TS ShuntLight 1072",
                              "TU OtherLight 1073", "TS Ties 1074", "TU Route 1075", "TU Route 1076",
                              "TU Route 1077", "TU Route 1078"}));

        // The group column decides, not the name.
        for (int row : {168, 172, 472, 588, 591, 617})
            QCOMPARE(::commandTemplates[row].group, 34);
        QCOMPARE(::commandTemplates[173].group, 10);
        QCOMPARE(QString(::commandTemplates[383].name), QString("TU Fork 384"));
        QCOMPARE(::commandTemplates[383].group, 22);
        QCOMPARE(QString(::commandTemplates[448].name), QString("TV Fork 384"));
        QCOMPARE(::commandTemplates[448].group, 28);
        QCOMPARE(commandGroups[::commandTemplates[448].group].moduleType, 2);
        QCOMPARE(::commandTemplates[545].group, 3);
        QCOMPARE(::commandTemplates[613].group, 36);
        QCOMPARE(::commandTemplates[622].group, 19);
        QCOMPARE(::commandTemplates[0].group, 0);
        QCOMPARE(::commandTemplates[526].group, 29);
        QCOMPARE(::commandTemplates[564].group, 30);
    }

    void checkedLookups()
    {
        ModalRecorder rec;
        QCOMPARE(Module::typeName(0), QString("TS"));
        QCOMPARE(Module::typeName(1), QString("TU"));
        QCOMPARE(Module::typeName(2), QString("TV"));
        QCOMPARE(Module::typeDescription(0), QString("TeleSign"));
        QCOMPARE(Module::typeDescription(2), QString("TeleCont"));
        QCOMPARE(Module::signalName(0, 6), QString("D"));
        QCOMPARE(Module::signalName(2, 4), QString("rM"));
        QCOMPARE(Module::signalName(1, 4), QString("rP"));
        QCOMPARE(Module::commandCount(0), 48);
        QCOMPARE(Module::commandCount(1), 32);
        QCOMPARE(Module::commandCount(2), 12);
        QCOMPARE(Module::typeModelName(0), QString("MTS"));
        QCOMPARE(Module::typeModelName(1), QString("MTU"));
        QCOMPARE(Module::typeModelName(2), QString("MTV"));
        QCOMPARE(commandKindModuleType(0), 0);
        QCOMPARE(commandKindModuleType(2), 1);
        QCOMPARE(commandKindModuleType(3), 2);
        QCOMPARE(commandTemplateName(622), QString("TU Route 1078"));
        QCOMPARE(commandTemplateName(0), QString("TS Cross    1"));
        QCOMPARE(commandTemplateGroup(448), 28);
        QCOMPARE(commandGroupName(36), QString("TV Ties"));
        QCOMPARE(boxTexts(rec), QStringList());

        // Refused through the check, with the neutral answer.
        QVERIFY(Module::typeName(-1).isEmpty());
        QVERIFY(Module::typeName(3).isEmpty());
        QVERIFY(Module::typeDescription(-1).isEmpty());
        QVERIFY(Module::signalName(0, 7).isEmpty());
        QCOMPARE(Module::commandCount(-1), 0);
        QCOMPARE(Module::typeModelName(-1), QString("M"));
        QCOMPARE(commandKindModuleType(-1), -1);
        QCOMPARE(commandKindModuleType(4), -1);
        QVERIFY(commandTemplateName(623).isEmpty());
        QVERIFY(commandTemplateName(-1).isEmpty());
        QCOMPARE(commandTemplateGroup(623), -1);
        QVERIFY(commandGroupName(37).isEmpty());
        QCOMPARE(boxTexts(rec).size(), 12);
        QVERIFY(allChecks(boxTexts(rec)));
        // Without a report: the type of any kind.
        rec.clear();
        QCOMPARE(moduleTypeOfKind(-1), -1);
        QCOMPARE(moduleTypeOfKind(1), 1);
        QCOMPARE(moduleTypeOfKind(4), -1);
        QCOMPARE(rec.count(), 0);
    }

    void moduleAnswersFromItsType()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        QCOMPARE(project.kindName(ModuleKind), QString("Module"));
        auto *module = dynamic_cast<Module *>(project.createDevice(ModuleKind));
        QVERIFY(module);
        QCOMPARE(module->kind(), int(ModuleKind));
        QCOMPARE(module->modelIndex(), -1);
        QVERIFY(module->addressSuffix());
        QCOMPARE(int(Module::AddressSuffixFlag), 75);
        QCOMPARE(int(Module::AddressSuffixFlag), int(Address::fromSuffixKind(11).field(6)));
        QCOMPARE(module->placeType(), -1);
        QCOMPARE(boxTexts(rec), QStringList());
        // No type: "M" alone, without a word (the table of devices lists it).
        QCOMPARE(module->modelName(), QString("M"));
        QCOMPARE(boxTexts(rec), QStringList());

        const QStringList models = {"MTS", "MTU", "MTV"};
        const QStringList places = {"LP MTS", "LP MTU", "LP MTV"};
        for (int type = 0; type < 3; ++type) {
            module->setModelIndex(type);
            QCOMPARE(module->modelName(), models[type]);
            QCOMPARE(module->placeType(), 149 + type);
            QCOMPARE(module->placeTypeName(), places[type]);
            QVERIFY(module->addressSuffix());
        }
        QCOMPARE(boxTexts(rec), QStringList());

        // The number after the two-letter prefix.
        QVERIFY(module->setName("TU12"));
        QCOMPARE(module->number(), 12);
        QVERIFY(module->setName("TS5"));
        QCOMPARE(module->number(), 5);
        QVERIFY(module->setName("TV"));
        QCOMPARE(module->number(), 0);
        QVERIFY(module->setName("TVx3"));
        QCOMPARE(module->number(), 0);
        // Long, signed and leading-zero numbers read as an integer reads.
        const QPair<const char *, int> numbers[] = {{"TU007", 7}, {"TU1234567890", 1234567890},
                                                    {"TU99999999999", 0}, {"TU-3", -3}};
        for (const auto &[name, number] : numbers) {
            QVERIFY(module->setName(QString::fromLatin1(name)));
            QCOMPARE(module->number(), number);
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void countOfType()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        QCOMPARE(Module::countOfType(&project, 0), 0);
        QCOMPARE(Module::countOfType(nullptr, 0), 0);
        newModule(project, "TS1", 0);
        newModule(project, "TS2", 0);
        newModule(project, "TU1", 1);
        newModule(project, "X", -1);
        QCOMPARE(Module::countOfType(&project, 0), 2);
        QCOMPARE(Module::countOfType(&project, 1), 1);
        QCOMPARE(Module::countOfType(&project, 2), 0);
        QCOMPARE(Module::countOfType(&project, -1), 1);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void moduleRecord()
    {
        ModalRecorder rec;
        QByteArray bytes;
        {
            Project project(nullptr, nullptr);
            Module *module = newModule(project, "TU5", 1);
            module->setShowAddress(true);
            newModule(project, "TV2", 2);
            DataStream out(&bytes, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            Project::IdentityScope scope(project);
            project.writeDevices(out);
        }
        Project loaded(nullptr, nullptr);
        DataStream in(&bytes, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        QString message;
        QVERIFY(loaded.readDevices(in, &message));
        auto *tu = dynamic_cast<Module *>(loaded.findObj(ModuleKind, "TU5"));
        auto *tv = dynamic_cast<Module *>(loaded.findObj(ModuleKind, "TV2"));
        QVERIFY(tu && tv);
        QCOMPARE(tu->modelIndex(), 1);
        QVERIFY(tu->showAddress());
        QCOMPARE(tv->modelIndex(), 2);
        QVERIFY(!tv->showAddress());
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void moduleRecordIsRangeChecked()
    {
        for (qint32 index : {-1, 0, 2, 3, -2, 224}) {
            ModalRecorder rec;
            QByteArray bytes;
            {
                DataStream out(&bytes, QIODevice::WriteOnly);
                out.setFormatIndex(DataStream::CurrentFormat);
                out << qint32(1) << qint32(ModuleKind) << qint32(1);
                out << QString("TS1") << qint32(7) << index << false;
            }
            Project loaded(nullptr, nullptr);
            DataStream in(&bytes, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            QString message;
            const bool ok = loaded.readDevices(in, &message);
            const bool valid = index >= -1 && index <= 2;
            QCOMPARE(ok, valid);
            if (valid) {
                QCOMPARE(dynamic_cast<Module *>(loaded.findObj(ModuleKind, "TS1"))->modelIndex(), int(index));
            } else {
                QVERIFY(message.contains("Load devices not correct."));
                QVERIFY(!loaded.findObj(ModuleKind, "TS1"));
            }
            QCOMPARE(boxTexts(rec), QStringList());
        }
    }

    void commandsTakeFreeNumbers()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommandSheet sheet(&project);
        Module *ts = newModule(project, "TS1", 0);

        // Without a number of its own an item takes the first free one.
        GraphicsCommand *a = newCommand(sheet, 0);
        a->setName("TS1");
        QCOMPARE(a->module(), ts);
        QCOMPARE(int(a->number()), 0);
        QCOMPARE(pinName(a, 0), QString("01"));
        QCOMPARE(pinName(a, 1), QString("04"));
        GraphicsCommand *b = newCommand(sheet, 0);
        b->setName("TS1");
        QCOMPARE(int(b->number()), 1);
        QCOMPARE(pinName(b, 0), QString("02"));
        QCOMPARE(pinName(b, 1), QString());

        // A free number of its own is kept; a taken one gives way to the
        // first free.
        GraphicsCommand *c = newCommand(sheet, 0, 45);
        c->setName("TS1");
        QCOMPARE(int(c->number()), 45);
        QCOMPARE(pinName(c, 0), QString("61"));
        QCOMPARE(pinName(c, 1), QString("64"));
        GraphicsCommand *d = newCommand(sheet, 0, 45);
        d->setName("TS1");
        QCOMPARE(int(d->number()), 2);
        QCOMPARE(ts->commandItems(), QList<GraphicsCommand *>({a, b, c, d}));

        // Binding anew keeps the item's number; a freed number is taken
        // again.
        b->setName("TS1");
        QCOMPARE(int(b->number()), 1);
        b->setName("");
        QVERIFY(!b->obj());
        GraphicsCommand *e = newCommand(sheet, 0);
        e->setName("TS1");
        QCOMPARE(int(e->number()), 1);
        QCOMPARE(ts->freeCommandNumber(0, 1, nullptr), 3);
        QCOMPARE(ts->freeCommandNumber(0, 1, e), 1);
        QCOMPARE(ts->freeCommandNumber(0, 47, nullptr), 47);
        QCOMPARE(ts->freeCommandNumber(0, 48, nullptr), 3);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void modulesRefuseWhatDoesNotFit()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommandSheet sheet(&project);
        Module *ts = newModule(project, "TS1", 0);
        Module *tu = newModule(project, "TU1", 1);
        Module *tv = newModule(project, "TV1", 2);
        Module *none = newModule(project, "XX1", -1);

        // Commands of another module type.
        for (int kind : {1, 2, 3}) {
            GraphicsCommand *item = newCommand(sheet, kind);
            item->setName("TS1");
            QVERIFY(!item->obj());
            QVERIFY(!ts->canAppend(item));
        }
        GraphicsCommand *ts0 = newCommand(sheet, 0);
        QVERIFY(!tu->canAppend(ts0));
        QVERIFY(!tv->canAppend(ts0));
        QVERIFY(!none->canAppend(ts0));
        // Both "TU" kinds share a "TU" module.
        GraphicsCommand *y1 = newCommand(sheet, 1);
        GraphicsCommand *y2 = newCommand(sheet, 2);
        y1->setName("TU1");
        y2->setName("TU1");
        QCOMPARE(y1->module(), tu);
        QCOMPARE(y2->module(), tu);
        QCOMPARE(int(y1->number()), 0);
        QCOMPARE(int(y2->number()), 1);
        QCOMPARE(pinName(y2, 0), QString("03"));
        QCOMPARE(pinName(y2, 1), QString("04"));

        // Only command items show a module.
        boundtest::TestDeviceItem other(&sheet, boundtest::PanelItemType, GraphicsObjItem::BindByName, ModuleKind);
        QVERIFY(!ts->canAppend(&other));
        QCOMPARE(boxTexts(rec), QStringList());

        // A full module takes no further command.
        QList<GraphicsCommand *> all;
        for (int i = 0; i < 12; ++i) {
            GraphicsCommand *item = newCommand(sheet, 3);
            item->setName("TV1");
            QCOMPARE(int(item->number()), i);
            all << item;
        }
        QCOMPARE(pinName(all[5], 0), QString("12"));
        QCOMPARE(pinName(all[5], 1), QString("11"));
        GraphicsCommand *extra = newCommand(sheet, 3);
        extra->setName("TV1");
        QVERIFY(!extra->obj());
        QCOMPARE(tv->freeCommandNumber(3, 255, nullptr), -1);
        QCOMPARE(tv->freeCommandNumber(3, 255, all[7]), 7);
        QCOMPARE(tv->items().size(), 12);
        QCOMPARE(boxTexts(rec), QStringList());
        QVERIFY(!ts->canAppend(nullptr));
        QCOMPARE(boxTexts(rec).size(), 1);
    }

    void deletingCommandsKeepsTheModule()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommandSheet sheet(&project);
        Module *ts = newModule(project, "TS1", 0);
        GraphicsCommand *a = newCommand(sheet, 0);
        a->setName("TS1");
        delete a;
        QCOMPARE(project.findObj(ModuleKind, "TS1"), ts);
        QVERIFY(ts->items().isEmpty());
        // Deleting the module leaves its commands unbound, their names kept.
        GraphicsCommand *b = newCommand(sheet, 0);
        b->setName("TS1");
        delete ts;
        QVERIFY(!b->obj());
        QCOMPARE(b->name(), QString("TS1"));
        QCOMPARE(pinName(b, 0), QString("01"));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void placedModuleNamesTerminals()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommandSheet sheet(&project);
        boundtest::TestScene frame(&project);
        Module *tu = newModule(project, "TU3", 1);
        GraphicsCommand *item = newCommand(sheet, 1);
        item->setName("TU3");
        QCOMPARE(int(item->number()), 0);

        // Unplaced: no terminal designation, after the report.
        QVERIFY(item->commandName(item->pin(0)).isEmpty());
        QCOMPARE(boxTexts(rec).size(), 1);
        rec.clear();

        GraphicsPlaceItemDevice *placed = tu->createPlaceItem(&frame);
        frame.addGraphicsItem(placed);
        auto *place = new Place(&frame, nullptr, 150, 1);
        frame.addLoose(place);
        Address at;
        at.setField(3, 4);
        at.setField(4, 7);
        place->setAddress(at);
        QVERIFY(place->putItem(placed));
        QVERIFY(tu->address());
        QCOMPARE(item->commandName(item->pin(0)), QString("K47-01"));
        QCOMPARE(item->commandName(item->pin(1)), QString("K47-02"));
        QCOMPARE(boxTexts(rec), QStringList());
        // A pin of another item.
        GraphicsCommand *other = newCommand(sheet, 1);
        QVERIFY(item->commandName(other->pin(0)).isEmpty());
        QCOMPARE(boxTexts(rec).size(), 1);
    }
};

QTEST_MAIN(TestModule)
#include "tst_module.moc"
