// A seeded sequence of the edits a user makes in the main window, each through the user's path (a command, a
// dialog's Ok, a click or drag, a drop). After every save the project is reopened from the files written, every page
// built, and saved in full into a folder of its own: both folders hold the same bytes, and the project in memory
// shows what the reopened one shows. Every other save or so, the project in memory is saved in full too, as Save as
// under its own name does, and that save writes the same bytes again. The project's look-ups by name and by frame
// answer what its lists hold. The sequence never marks a change itself. RLAY_EDIT_SEED and RLAY_EDIT_COUNT
// run other sequences; a failing one prints its edits, and so does any one with RLAY_EDIT_LOG set.

#include "app/dlgdistances.h"
#include "app/mainwindow.h"
#include "devices/clamp.h"
#include "devices/dlgpropblock.h"
#include "devices/dlgpropcommand.h"
#include "devices/graphicscommand.h"
#include "devices/module.h"
#include "equipment/boardcatalogue.h"
#include "equipment/dlgpropboard.h"
#include "equipment/equipmentlayout.h"
#include "equipment/equipmentmenager.h"
#include "equipment/frameedit.h"
#include "equipment/graphicsboard.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/graphicsframepart.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/graphicswiringitemdevice.h"
#include "equipment/panelcatalogue.h"
#include "equipment/place.h"
#include "equipment/placecatalogue.h"
#include "equipment/specificationmanagercable.h"
#include "equipment/wiringlayout.h"
#include "equipment/wiringpageitem.h"
#include "graphics/dlgproppixmap.h"
#include "graphics/dlgproptext.h"
#include "graphics/frameworkitem.h"
#include "graphics/graphicspixmap.h"
#include "graphics/graphicstext.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "schemes/dlgpropnet.h"
#include "schemes/dlgproppassage.h"
#include "schemes/graphicspassage.h"
#include "schemes/schememenager.h"
#include "support/filesbelow.h"
#include "support/modalrecorder.h"
#include "support/streambytes.h"

#include <QtPrintSupport>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace {

// The frame types the frames are drawn from, one list per frame: frames with hanging panels, LP Varnel frames for
// the modules, frames of kind 4 or relay cases, plain ones.
const QList<QList<int>> framePools = {{38, 39, 18}, {11, 23, 21}, {3, 17, 10}, {6, 0, 39, 10}};

QString hexHash(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().left(12));
}
QString number(double value) { return QString::number(qRound(value * 10) / 10.0); }
QString pointText(const QPointF &point) { return number(point.x()) + ',' + number(point.y()); }
QString typeText(const GraphicsItem *item) { return QString::number(item->type() - QGraphicsItem::UserType); }

QString addressText(const Address &address)
{
    QStringList fields;
    for (int i = 0; i < 7; ++i) fields << QString::number(address.field(i));
    return fields.join('.');
}

// The files of a folder with each date a save wrote blanked, with the checksum of the file's record just before it,
// and each file's own checksum: an unchanged file keeps its date. The reopen checks those checksums itself.
QMap<QString, QByteArray> undated(QMap<QString, QByteArray> files, const QList<QDateTime> &dates)
{
    for (QByteArray &bytes : files) {
        for (const QDateTime &date : dates) {
            const QByteArray pattern = bytesOf([&](DataStream &s) { s << date; });
            for (qsizetype at = bytes.indexOf(pattern); at >= 2; at = bytes.indexOf(pattern, at + 1))
                bytes.replace(at - 2, pattern.size() + 2, QByteArray(pattern.size() + 2, '\0'));
        }
        if (bytes.size() >= fileHeaderSize) bytes[4] = bytes[5] = '\0';
    }
    return files;
}

// The items of the groups of a branch: the frames, or the scheme sheets.
template <class Branch>
auto itemsOf(Branch *branch)
{
    std::decay_t<decltype(branch->itemList().first()->itemList())> items;
    for (auto *group : branch->itemList()) items += group->itemList();
    return items;
}

QList<Frame *> framesOf(Project &p) { return itemsOf(p.equipment()); }
QList<Scheme *> schemesOf(Project &p) { return itemsOf(p.schemes()); }

QList<QTreeWidgetItem *> childrenOf(QTreeWidgetItem *row)
{
    QList<QTreeWidgetItem *> rows;
    for (int i = 0; i < row->childCount(); ++i) rows << row->child(i);
    return rows;
}

// The wiring page a row shows when it is built.
WiringLayout *builtPage(QTreeWidgetItem *row)
{
    auto *sheetRow = dynamic_cast<SceneItem *>(row);
    return qobject_cast<WiringLayout *>(sheetRow ? sheetRow->owner() : nullptr);
}

QList<WiringLayout *> builtPagesOf(Frame *frame)
{
    QList<WiringLayout *> pages;
    for (QTreeWidgetItem *row : childrenOf(frame->treeItem()))
        if (WiringLayout *page = builtPage(row)) pages << page;
    return pages;
}

// The scheme sheets, the frames' layouts and the pages built.
QList<GraphicsScene *> sheetsOf(Project &p)
{
    QList<GraphicsScene *> sheets;
    for (Scheme *scheme : schemesOf(p)) sheets << scheme;
    for (Frame *frame : framesOf(p)) {
        sheets << frame->layout();
        for (WiringLayout *page : builtPagesOf(frame)) sheets << page;
    }
    return sheets;
}

// Where a framework item stands for a sheet's item, it holds what the item holds; the framework's scene holds those
// only, and finds for printing what the sheet finds. Empty when all agree.
QString standInMismatch(GraphicsScene *sheet)
{
    QGraphicsScene *live = sheet->liveSceneIfAny();
    int standing = 0;
    QString mismatch;
    const std::function<void(GraphicsItem *)> visit = [&](GraphicsItem *item) {
        FrameworkItem *stand = item->frameworkItem();
        GraphicsItem *parent = item->parentItem();
        if (parent && parent->frameworkItem() && !stand)
            mismatch = QString("type %1 has no stand-in under its parent's").arg(item->type());
        standing += stand ? 1 : 0;
        if (stand
            && (stand->owner() != item || stand->scene() != live || stand->pos() != item->pos()
                || stand->transform() != item->transform() || stand->zValue() != item->zValue()
                || stand->isSelected() != item->isSelected() || stand->flags() != item->flags()
                || stand->parentItem() != (parent ? parent->frameworkItem() : nullptr)))
            mismatch = QString("the stand-in of type %1 differs from it").arg(item->type());
        for (GraphicsItem *child : item->childItems()) visit(child);
    };
    for (GraphicsItem *item : sheet->graphicsItems())
        if (!item->parentItem()) visit(item);
    if (mismatch.isEmpty() && live) {
        const QRectF area = sheet->sceneRect();
        QList<GraphicsItem *> framework;
        for (QGraphicsItem *each : live->items(area, Qt::IntersectsItemBoundingRect, Qt::AscendingOrder))
            framework << GraphicsItem::fromFramework(each);
        if (sheet->itemsInStackingOrder(area) != framework)
            mismatch = "the items found for printing differ from the framework's";
    }
    const qsizetype held = live ? live->items().size() : 0;
    if (mismatch.isEmpty() && standing != held)
        mismatch = QString("%1 stand-ins, %2 in the framework's scene").arg(standing).arg(held);
    return mismatch.isEmpty() ? QString() : sheet->name() + ": " + mismatch;
}

// Every place of a frame, in the containers held too, in order.
QList<Place *> placesOf(Frame *frame)
{
    QList<Place *> places;
    const std::function<void(const GraphicsPlaceContainer *)> collect = [&](const GraphicsPlaceContainer *container) {
        for (Place *place : container->places()) {
            places << place;
            if (auto *held = dynamic_cast<GraphicsPlaceContainer *>(place->item())) collect(held);
        }
    };
    for (GraphicsFramePart *part : frame->layout()->parts()) collect(part);
    return places;
}

QString placeItemText(const GraphicsPlaceItem *item)
{
    if (!item) return "-";
    if (auto *device = dynamic_cast<const GraphicsPlaceItemDevice *>(item))
        return QString("device %1").arg(device->device() ? device->device()->name() : "?");
    auto *container = dynamic_cast<const GraphicsPlaceContainer *>(item);
    return QString("%1 %2").arg(typeText(item)).arg(container ? container->containerType() : -1);
}

// What a sheet draws on paper, as the painter's operations.
QString drawn(GraphicsScene *sheet)
{
    QPicture picture;
    {
        QPainter painter(&picture);
        sheet->printScene(&painter);
    }
    return hexHash(QByteArray(picture.data(), picture.size()));
}

QString sheetText(Scheme *sheet)
{
    return QString("sheet %1 %2 %3").arg(sheet->groupNumber()).arg(sheet->number()).arg(sheet->name());
}

// The items of a scheme sheet as the user sees them: kind, place, turn, stacking and, when asked, selection.
QStringList sheetItems(Scheme *sheet, bool selection)
{
    QStringList out;
    for (GraphicsItem *item : sheet->graphicsItems()) {
        const QTransform m = item->transform();
        // The outline too: it is what a click hits.
        const QRectF r = item->boundingRect();
        out << QString("  %1 at %2 z %3 turn %4 %5 %6 %7 outline %8 %9%10")
                   .arg(typeText(item), pointText(item->pos()), number(item->zValue()), number(m.m11()),
                        number(m.m12()), number(m.m21()), number(m.m22()), pointText(r.topLeft()),
                        pointText(r.bottomRight()))
                   .arg(selection && item->isSelected() ? " selected" : "");
    }
    return out;
}

// What the user sees of the sheets: a save or a tab closed changes none of it.
QStringList sheetView(Project &p)
{
    QStringList out;
    for (Scheme *sheet : schemesOf(p)) out << sheetText(sheet) << sheetItems(sheet, true);
    return out;
}

// The rows below a row in the tree's order. The tree sorts rows by their first text: rows with the same one (two
// groups of one ATR number) come as each was sorted in, so those are taken in the order of all they show.
QStringList treeRows(QTreeWidgetItem *parent, int columns, int depth = 0)
{
    QList<QPair<QString, QStringList>> children;
    for (QTreeWidgetItem *row : childrenOf(parent)) {
        QStringList texts;
        for (int c = 0; c < columns; ++c) texts << row->text(c);
        const QString line = QString(depth, ' ') + "row " + texts.join('|');
        children.append({row->text(0), QStringList(line) + treeRows(row, columns, depth + 1)});
    }
    for (qsizetype i = 0, end = 0; i < children.size(); i = end) {
        for (end = i + 1; end < children.size() && children[end].first == children[i].first;) ++end;
        std::sort(children.begin() + i, children.begin() + end);
    }
    QStringList lines;
    for (const auto &child : std::as_const(children)) lines += child.second;
    return lines;
}

// A page's note lists its devices' sections in the order their scheme items were bound, which a reopen takes from
// the files: the lines (of a plain or a panel page) are compared as a set.
QString noteLines(const QString &note)
{
    QStringList lines = QString(note).replace(QChar(QChar::LineSeparator), "; ").split("; ");
    lines.sort();
    return lines.join(" / ");
}

// The content of a built wiring page, each line led by '~'.
QStringList pageContent(WiringLayout *page)
{
    QStringList out(QString("~ %1 %2 %3 #%4 [%5] [%6] drawn %7")
                        .arg(page->pageClass()).arg(page->kind()).arg(page->name()).arg(page->number())
                        .arg(page->firstCaption(), noteLines(page->secondCaption()), drawn(page)));
    if (auto *cables = qobject_cast<WiringLayoutCable *>(page))
        for (Cable *cable : cables->cables())
            out << QString("~ cable %1 %2 %3").arg(cable->type()).arg(cable->number()).arg(cable->cores().size());
    if (auto *table = qobject_cast<WiringLayoutDCTable *>(page))
        for (Module *module : table->modules()) out << "~ module " + module->name();
    if (auto *scheme = qobject_cast<WiringLayoutDCScheme *>(page))
        out << QString("~ module %1 %2").arg(scheme->module() ? scheme->module()->name() : "-")
                   .arg(scheme->isFirstPage());
    for (GraphicsItem *item : page->graphicsItems()) {
        QString line = QString("~   %1 at %2").arg(typeText(item), pointText(item->pos()));
        if (auto *shown = dynamic_cast<GraphicsWiringItemDevice *>(item)) {
            const Address *at = shown->address();
            line += QString(" %1 at %2")
                        .arg(shown->device() ? shown->device()->name() : "-", at ? addressText(*at) : "-");
        }
        if (auto *text = dynamic_cast<GraphicsText *>(item)) line += ' ' + text->text();
        out << line;
    }
    return out;
}

// Everything the files carry and the user sees, one line a fact; a built page's row is followed by its content.
QStringList dump(Project &p)
{
    QStringList out = treeRows(p.invisibleRootItem(), p.columnCount());
    for (int kind : p.indexedKinds())
        for (Obj *obj : p.sortedObjectsOfKind(kind))
            out << QString("obj %1 %2 %3")
                       .arg(kind).arg(obj->name(), hexHash(bytesOf([&](DataStream &s) { obj->write(s); })));
    for (Scheme *sheet : schemesOf(p)) {
        out << sheetText(sheet) + " drawn " + drawn(sheet);
        const QStringList seen = sheetItems(sheet, false);
        for (int i = 0; i < seen.size(); ++i) {
            GraphicsItem *item = sheet->graphicsItems()[i];
            QString line = seen[i] + ' ' + hexHash(bytesOf([&](DataStream &s) {
                               item->saveData(s);
                               item->saveGeometry(s);
                           }));
            if (auto *passage = dynamic_cast<GraphicsPassage *>(item)) {
                line += QString(" passage %1:").arg(sheet->passageIndex(item) + 1);
                for (int c = 0; c < passage->clampCount(); ++c) line += ' ' + passage->clampLabel(c);
            }
            out << line;
        }
    }
    out << "equipment scheme drawn " + drawn(p.equipment()->equipmentScheme());
    for (Frame *frame : framesOf(p)) {
        const QString address = addressText(frame->address());
        out << QString("frame %1 type %2 clamps %3 drawn %4").arg(address).arg(frame->frameType())
                   .arg(frame->clampPanelChoice()).arg(drawn(frame->layout()));
        for (Place *place : placesOf(frame))
            out << QString("  place %1 state %2 holds %3 covered by %4").arg(addressText(place->address()))
                       .arg(place->state()).arg(placeItemText(place->item()), placeItemText(place->coveringItem()));
        QStringList loose;
        for (GraphicsItem *item : frame->layout()->graphicsItems()) {
            auto *container = dynamic_cast<GraphicsPlaceContainer *>(item);
            if (container && item->type() != GraphicsFramePart::Type && !container->place())
                loose << "  loose " + placeItemText(container);
        }
        std::sort(loose.begin(), loose.end());
        out += loose;
        const QList<QTreeWidgetItem *> rows = childrenOf(frame->treeItem());
        for (int i = 0; i < rows.size(); ++i) {
            WiringLayout *page = builtPage(rows[i]);
            if (page || dynamic_cast<WiringPageItem *>(rows[i]))
                out << QString("page %1 #%2 %3|%4").arg(address).arg(i).arg(rows[i]->text(0), rows[i]->text(1));
            if (page) out += pageContent(page);
        }
    }
    const EquipmentScheme::DistanceTable &distances = p.equipment()->equipmentScheme()->distances();
    QStringList table;
    for (auto from = distances.cbegin(); from != distances.cend(); ++from)
        for (auto to = from->cbegin(); to != from->cend(); ++to)
            table << QString("distance %1 %2 %3")
                         .arg(from.key(), 6, 16, QChar('0')).arg(to.key(), 6, 16, QChar('0')).arg(to.value());
    std::sort(table.begin(), table.end());
    out += table;
    for (quint64 key : p.specificationCable()->keys()) {
        for (Cable *cable : p.specificationCable()->cables().value(key)) {
            QStringList cores;
            for (const CableCore *core : cable->cores())
                cores << QString("%1-%2-%3").arg(core->from, core->to).arg(core->clamp);
            out << QString("cable %1 %2 %3: %4")
                       .arg(key, 0, 16).arg(cable->type()).arg(cable->number()).arg(cores.join(' '));
        }
    }
    return out;
}

// What the project finds by an object's name or a frame's code is what its lists hold: an index kept alongside
// answers as a walk over them does. Empty when all agree.
QString lookupMismatch(Project &p)
{
    for (int kind : p.indexedKinds())
        for (Obj *obj : p.sortedObjectsOfKind(kind))
            if (p.findObj(kind, obj->name()) != obj)
                return QString("no object %1 of kind %2").arg(obj->name()).arg(kind);
    const SpecificationManagerCable *list = p.specificationCable();
    for (Frame *frame : framesOf(p)) {
        const quint32 code = frame->address().packedFrameCode();
        QList<quint64> joining;
        for (quint64 key : list->keys())
            if (quint32(key) == code || quint32(key >> 32) == code) joining << key;
        if (list->keysOfFrame(code) != joining) return "other cables for frame " + addressText(frame->address());
    }
    return QString();
}

// The first line where two dumps part, leaving out the content of a page either side only lists (built when wanted).
// "Table devices" row by row, in name order; a device's sheets in name order.
QStringList tableRows(const EquipmentLayout &table)
{
    QStringList rows;
    for (int i = 0; i < table.tree()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = table.tree()->topLevelItem(i);
        QStringList sheets = row->text(3).split(';');
        sheets.sort();
        rows << QStringList({row->text(0), row->text(1), row->text(2), sheets.join(';'), row->text(4)}).join(" | ");
    }
    rows.sort();
    return rows;
}

QString difference(const QStringList &a, const QStringList &b, const char *left, const char *right)
{
    QSet<QString> listed;
    for (const QStringList *each : {&a, &b})
        for (int i = 0; i < each->size(); ++i)
            if (each->at(i).startsWith("page ") && !each->value(i + 1).startsWith('~')) listed << each->at(i);
    const auto common = [&](const QStringList &lines) {
        QStringList out;
        bool skip = false;
        for (const QString &line : lines) {
            if (!line.startsWith('~')) skip = listed.contains(line);
            if (!skip || !line.startsWith('~')) out << line;
        }
        return out;
    };
    const QStringList x = common(a);
    const QStringList y = common(b);
    for (int i = 0; i < qMax(x.size(), y.size()); ++i)
        if (x.value(i, "(end)") != y.value(i, "(end)"))
            return QString("line %1:\n  %2: %3\n  %4: %5")
                .arg(i + 1).arg(left, x.value(i, "(end)"), right, y.value(i, "(end)"));
    return QString();
}

// The first file where the bytes a save wrote part from those of the reference (a deleted sheet's file, named by no
// record, may be missing there).
QString fileDifference(const QMap<QString, QByteArray> &written, const QMap<QString, QByteArray> &full,
                       const QSet<QString> &named)
{
    for (const QString &name : full.keys() + written.keys()) {
        const QByteArray x = written.value(name);
        const QByteArray y = full.value(name);
        if (x == y || (y.isEmpty() && name.endsWith(".sch") && !named.contains(name))) continue;
        qsizetype at = 0;
        while (at < x.size() && at < y.size() && x[at] == y[at])
            ++at;
        return QString("%1 differs at byte %2 of %3/%4 from the project").arg(name).arg(at).arg(x.size()).arg(y.size());
    }
    return QString();
}

QDateTime clockNow;

// The framework's notes on window size hints (headless) and on clicks nothing takes are no news here.
QtMessageHandler framework = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains("propagateSizeHints") || message.contains("not accepted by receiving widget")) return;
    framework(type, context, message);
}

void mouseMove(QWidget *widget, const QPoint &at, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void press(QWidget *dialog, const QString &text) { if (QPushButton *button = buttonOf(dialog, text)) button->click(); }

// Ok, and Cancel where the dialog stays open.
void okOrCancel(QDialog *dialog)
{
    pressOk(dialog);
    if (dialog->result() != QDialog::Accepted) press(dialog, "Cancel");
}

void chooseModule(DlgPropCommand *dialog, const QString &name)
{
    const QList<QTreeWidgetItem *> rows = dialog->objTable()->findItems(name, Qt::MatchExactly, 0);
    if (!rows.isEmpty()) dialog->selectTreeItem(dialog->objTable(), rows.first());
}

// A step for the dialogs of one class; another is cancelled.
template <class Dialog>
std::function<void(QDialog *)> on(const std::function<void(Dialog *)> &step)
{
    return [step](QDialog *d) {
        if (auto *dialog = qobject_cast<Dialog *>(d))
            step(dialog);
        else
            d->reject();
    };
}

// The text dialog given the words.
std::function<void(QDialog *)> writing(const QString &words)
{
    return on<DlgPropText>([words](DlgPropText *d) {
        d->textEdit()->setPlainText(words);
        pressOk(d);
    });
}

// A sheet's or a group's dialog given a number (a scheme group's ATR number) and a comment, unless 0 or empty.
template <class Dialog>
std::function<void(QDialog *)> numbered(int number, const QString &comment)
{
    return on<Dialog>([=](Dialog *d) {
        if constexpr (std::is_same_v<Dialog, DlgPropSchemeGroup>) {
            if (number) d->atrSpin()->setValue(number);
        } else if (number) {
            d->numberSpin()->setValue(number);
        }
        if (!comment.isEmpty()) d->commentEdit()->setText(comment);
        pressOk(d);
    });
}

bool anyItem(GraphicsItem *) { return true; }

template <int type>
bool ofType(GraphicsItem *item) { return item->type() == type; }

class EditSequence;

// A kind of edit: its name, its share, its floor (the least count in the CI run), the edit and its variant.
struct EditKind
{
    const char *name;
    int weight;
    int floor;
    QString (EditSequence::*edit)(int variant);
    int variant = 0;
};

// The main window with the project under edit. Each edit names what it did, nothing when it found nothing to do, or,
// led by '!', a failure.
class EditSequence
{
public:
    EditSequence(quint32 seed, const QString &dir)
        : m_rng(seed)
        , m_fullSaves(~seed)
        , m_notes(seed ^ 0x6e6f7465)
        , m_dir(dir)
        , m_path(dir + "/project/plant.rlay")
    {
        QDir().mkpath(dir + "/project");
        setFileDialogHook([this](FileDialogKind, const QString &, const QString &, const QString &) {
            return m_fileAnswer;
        });
        m_window.resize(1200, 900);
        m_window.show();
    }

    ~EditSequence()
    {
        setFileDialogHook(nullptr);
        // The project goes without a question.
        if (m_window.project()) m_window.project()->setModified(false);
        m_window.closeProject();
    }

    QString run(int count);
    static const QList<EditKind> kinds;
    QMap<QString, int> counts;

private:
    QRandomGenerator m_rng;
    // Which saves are followed by a full one, drawn apart so that the edits stay those of the seed.
    QRandomGenerator m_fullSaves;
    // The same for the section edits that look for the notes of pages.
    QRandomGenerator m_notes;
    QString m_dir;
    QString m_path;
    ModalRecorder m_boxes;
    MainWindow m_window;
    QString m_fileAnswer;
    QStringList m_log;
    QSet<QString> m_drawings;
    QList<QDateTime> m_dates;
    int m_names = 0;
    int m_folders = 0;
    // The record of a command the user copied at the start.
    QByteArray m_commandRecord;

    int pick(int n) { return n > 0 ? int(m_rng.bounded(n)) : 0; }
    bool chance(int percent) { return pick(100) < percent; }
    template <class T>
    T pickFrom(const QList<T> &list) { return list.value(pick(int(list.size()))); }
    Project &project() { return *m_window.project(); }
    QTabWidget *tabs() { return qobject_cast<QTabWidget *>(m_window.centralWidget()); }
    QAction *action(int id) { return m_window.action(id); }
    Scheme *someSheet() { return pickFrom(schemesOf(project())); }
    SchemeGroup *someGroup() { return pickFrom(project().schemes()->itemList()); }
    Frame *someFrame() { return pickFrom(framesOf(project())); }

    // A point on the sheet, off its margins.
    QPointF somewhere(GraphicsScene *sheet)
    {
        const QRectF area = sheet->sceneRect();
        const QPointF at(pick(800) / 1000.0 * area.width(), pick(800) / 1000.0 * area.height());
        return sheet->snapToGrid(area.topLeft() + area.bottomRight() / 10 + at);
    }

    // The row made current and chosen (and the branch's context menu made, as a right click on it does).
    void choose(QTreeWidgetItem *row, bool menu = false)
    {
        project().clearSelection();
        project().setCurrentItem(row);
        row->setSelected(true);
        QTreeWidgetItem *top = row;
        while (top->parent())
            top = top->parent();
        auto *branch = dynamic_cast<ProjectItem<ItemMenagerBase> *>(top);
        if (menu && branch && branch->owner()) std::unique_ptr<QMenu>(branch->owner()->createContextMenu());
    }

    // The command, when it is enabled, with its dialog answered; what else it showed is the sequence's to see.
    bool command(int id, const std::function<void(QDialog *)> &answer = nullptr)
    {
        if (!action(id) || !action(id)->isEnabled()) return false;
        ModalRecorder answers;
        if (answer) answers.handle(answer);
        action(id)->trigger();
        m_boxes.shown += answers.shown.mid(answer ? 1 : 0);
        return true;
    }

    // A command on a row of the tree: the edit when it ran.
    QString rowCommand(QTreeWidgetItem *row, int id, const QString &edit,
                       const std::function<void(QDialog *)> &answer = nullptr)
    {
        choose(row);
        return command(id, answer) ? edit : QString();
    }

    // Save or Save as, a question whether to lose drawings left without a page answered Yes (Save first answers
    // No, keeping them, as the user may): what the boxes said.
    QStringList save(int id)
    {
        clockNow = clockNow.addSecs(1);
        m_dates << clockNow;
        QStringList texts;
        if (id == 2) {
            ModalRecorder keep;
            keep.clickButton("&No");
            action(id)->trigger();
            texts = keep.texts();
            if (!action(id)->isEnabled()) return texts;
        }
        ModalRecorder answers;
        answers.clickButton("&Yes");
        action(id)->trigger();
        return texts + answers.texts();
    }

    // The sheet shown in its tab, opened from its row.
    GraphicsEdit *open(GraphicsScene *sheet)
    {
        if (!sheet || !sheet->sceneItem()) return nullptr;
        sheet->sceneItem()->doubleClicked();
        return current();
    }

    // The view of the current tab; eight tabs at most, the oldest other one closes.
    GraphicsEdit *current()
    {
        auto *view = qobject_cast<GraphicsEdit *>(tabs()->currentWidget());
        while (tabs()->count() > 8) {
            const int last = tabs()->count() - 1;
            tabs()->setCurrentIndex(tabs()->widget(last) == view ? last - 1 : last);
            m_window.closeTabWidget();
            tabs()->setCurrentWidget(view);
        }
        return view && view->graphicsScene() ? view : nullptr;
    }

    QPoint shown(GraphicsEdit *view, const QPointF &at)
    {
        view->centerOn(at);
        return view->mapFromScene(at);
    }

    void click(GraphicsEdit *view, const QPointF &at, Qt::KeyboardModifiers modifiers = {})
    {
        const QPoint where = shown(view, at);
        mouseMove(view->viewport(), where);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, where);
    }

    // A point of the sheet where the item is the topmost one under the mouse.
    std::optional<QPointF> pointOn(GraphicsEdit *view, GraphicsItem *item)
    {
        const QRectF area = item->sceneBoundingRect();
        for (int i = 0; i < 25; ++i) {
            const QPointF at = area.center() + QPointF(area.width() * (i % 5 - 2), area.height() * (i / 5 - 2)) / 5;
            GraphicsItem *top = view->sheetItemsAt(shown(view, at)).value(0);
            while (top && top->parentItem())
                top = top->parentItem();
            if (top == item) return at;
        }
        return std::nullopt;
    }

    // The item clicked on its sheet, shown: whether it was under the mouse.
    bool clickShown(GraphicsItem *item)
    {
        GraphicsEdit *view = item ? open(item->graphicsScene()) : nullptr;
        const std::optional<QPointF> at = view ? pointOn(view, item) : std::nullopt;
        if (at) click(view, *at);
        return at.has_value();
    }

    // A click on a wanted item of the view's sheet (with Ctrl, added): the item when then selected, alone unless added.
    GraphicsItem *clickItem(GraphicsEdit *view, const std::function<bool(GraphicsItem *)> &wanted, bool add = false)
    {
        QList<GraphicsItem *> items;
        for (GraphicsItem *item : view->graphicsScene()->graphicsItems())
            if (!item->parentItem() && wanted(item)) items << item;
        for (int tries = 0; tries < 3 && !items.isEmpty(); ++tries) {
            GraphicsItem *item = items.takeAt(pick(int(items.size())));
            if (const std::optional<QPointF> at = pointOn(view, item)) {
                click(view, *at, add ? Qt::ControlModifier : Qt::NoModifier);
                const qsizetype selected = view->graphicsScene()->selectedGraphicsItems().size();
                return item->isSelected() && (add || selected == 1) ? item : nullptr;
            }
        }
        return nullptr;
    }

    GraphicsItem *clickOn(GraphicsScene *sheet, const std::function<bool(GraphicsItem *)> &wanted)
    {
        GraphicsEdit *view = open(sheet);
        return view ? clickItem(view, wanted) : nullptr;
    }

    // A toolbox command of the sheet's editor, its dialog answered, the new item dropped somewhere by a click.
    GraphicsItem *place(GraphicsScene *sheet, int id, const std::function<void(QDialog *)> &answer)
    {
        GraphicsEdit *view = open(sheet);
        if (!view || !command(id, answer) || view->carriedItems().isEmpty()) return nullptr;
        GraphicsItem *item = view->carriedItems().first();
        click(view, somewhere(sheet));
        return view->carriedItems().isEmpty() ? item : nullptr;
    }

    // The modules, those with most commands first, those of two pages before the others.
    QList<Module *> modulesByCommands()
    {
        QList<Module *> modules;
        for (Obj *obj : project().sortedObjectsOfKind(ModuleKind)) modules << dynamic_cast<Module *>(obj);
        std::stable_sort(modules.begin(), modules.end(), [](Module *a, Module *b) {
            return std::make_pair(a->modelIndex() < 2, a->items().size())
                > std::make_pair(b->modelIndex() < 2, b->items().size());
        });
        return modules;
    }

    // A command of the module that gathers them.
    bool gathered(GraphicsItem *item)
    {
        auto *command = dynamic_cast<GraphicsCommand *>(item);
        return command && command->module() && command->module() == modulesByCommands().value(0);
    }

    // The dialog of a command clicked on its sheet, answered by the step.
    bool commandDialog(GraphicsCommand *item, const std::function<void(DlgPropCommand *)> &step)
    {
        return clickShown(item) && item->isSelected() && command(24, on<DlgPropCommand>(step));
    }

    // Two scheme groups, four frames drawn from the pools, clamp panels, passages, cables, a command the user copies.
    void build()
    {
        command(0, pressOk);
        for (int g = 1; g <= 2; ++g) {
            choose(project().schemes()->treeItem());
            command(39, numbered<DlgPropSchemeGroup>(g, QString()));
            for (int n = 1; n <= 3 - g; ++n) {
                choose(project().schemes()->itemList().last()->treeItem());
                command(47, numbered<DlgPropScheme>(n, QString("sheet %1.%2").arg(g).arg(n)));
            }
        }
        for (int i = 0; i < 2; ++i) {
            auto *panel = dynamic_cast<ClampPanel *>(project().createDevice(ClampPanelKind));
            QVERIFY(panel && panel->setModelAndStripType(1, 0) && panel->setName(QString("12V2%1").arg(i + 1)));
        }
        choose(project().equipment()->treeItem());
        command(54, numbered<DlgPropFrameGroup>(1, QString()));
        QVERIFY(project().equipment()->itemList().size() == 1);
        QStringList types;
        for (int i = 0; i < framePools.size(); ++i) {
            choose(project().equipment()->itemList().first()->treeItem());
            const int type = pickFrom(framePools[i]);
            command(60, on<DlgPropFrame>([&](DlgPropFrame *d) {
                d->frameTypeCombo()->setCurrentIndex(d->frameTypeCombo()->findData(type));
                d->numberSpin()->setValue(i + 1);
                pressOk(d);
            }));
            types << QString::number(type);
        }
        m_log << "frames of types " + types.join(' ');
        // Some parts read with their top-level flag set, as field files hold them: they get wiring pages of their own.
        for (Frame *frame : framesOf(project())) {
            for (GraphicsFramePart *part : frame->layout()->parts()) {
                QByteArray record = bytesOf([&](DataStream &s) { part->saveData(s); });
                if (record.isEmpty() || chance(30)) continue;
                record[record.size() - 1] = 1;
                DataStream in(&record, QIODevice::ReadOnly);
                in.setFormatIndex(DataStream::CurrentFormat);
                part->loadData(in);
            }
        }
        // A command of a module of its own (as field files hold; no toolbox command places one), copied by the user.
        Scheme *first = schemesOf(project()).first();
        std::unique_ptr<DlgPropGraphicsItem> dialog(first->createDialog(GraphicsCommand::Type));
        GraphicsItem *made = nullptr;
        {
            ModalRecorder answers;
            answers.handle(on<DlgPropCommand>([](DlgPropCommand *d) {
                d->typeCombo()->setCurrentIndex(d->typeCombo()->findData(1));
                for (int number : {2, 4}) {
                    d->numberSpin()->setValue(number);
                    press(d, "Add");
                }
                d->kindGroup()->button(1)->click();
                pressOk(d);
            }));
            made = dialog->execDialog(nullptr, GraphicsCommand::Type);
        }
        QVERIFY(made && first->addGraphicsItem(made));
        made->setPos(QPointF(800, 800));
        GraphicsEdit *view = open(first);
        click(view, *pointOn(view, made));
        command(14);
        m_commandRecord = QGuiApplication::clipboard()->mimeData()->data("r-lay/scheme-edit");
        QVERIFY(!m_commandRecord.isEmpty());
        // Its module stands in the LP Varnel frame, which makes DC pages.
        Frame *varnel = framesOf(project())[1];
        GraphicsPlaceItemDevice *module = modulesByCommands().value(0)->createPlaceItem(varnel->layout());
        varnel->layout()->addGraphicsItem(module);
        m_log << "place the module" + drop(module, varnel, false);
        m_log << placePassage(0) << placePassage(0);
        // Cables come with the project's files: every frame has cable pages.
        for (int i = 0; i < 4; ++i) m_log << addCable(0);
    }

    // The places that take the item, those it hangs over others from too.
    QList<Place *> freePlaces(Frame *frame, GraphicsPlaceItem *item)
    {
        QList<Place *> free;
        for (Place *place : placesOf(frame))
            if (place->state() == Place::Normal && !place->item() && place->canDrop(item, place->sceneRect().center()))
                free << place;
        return free;
    }

    // The layout's drop of a carried item over a place that takes it; what none takes is deleted, or kept out of place.
    QString drop(GraphicsPlaceItem *item, Frame *frame, bool keep)
    {
        const QList<Place *> targets = freePlaces(frame, item);
        if (!targets.isEmpty()) {
            frame->layout()->trackDrop(item, pickFrom(targets)->sceneRect().center());
            frame->layout()->dropItem(item);
        }
        if (item->place())
            return QString(" into %1 of frame %2")
                .arg(addressText(item->place()->address())).arg(frame->address().field(2));
        if (keep) return " out of place";
        frame->layout()->removeGraphicsItem(item);
        return " nowhere";
    }

    // An unplaced device of the project, or a new one (a diode or resistor with its item on a sheet, to be wired).
    Device *newDevice()
    {
        QList<Device *> unplaced;
        for (int kind : {int(BlockKind), int(RelayKind), int(ModuleKind), int(ClampPanelKind)}) {
            for (Obj *obj : project().sortedObjectsOfKind(kind)) {
                auto *device = dynamic_cast<Device *>(obj);
                if (device && !device->placeItem() && device->placeType() >= 0) unplaced << device;
            }
        }
        // The module that gathers commands goes back into a frame first.
        Module *gathering = modulesByCommands().value(0);
        if (gathering && !gathering->placeItem()) return gathering;
        if (chance(40) && !unplaced.isEmpty()) return pickFrom(unplaced);
        const int kinds[] = {BlockKind, RelayKind, DiodeKind, ResistorKind};
        const int kind = kinds[pick(4)];
        if (kind == BlockKind) {
            // Made in its dialog as the toolbox places one on a sheet.
            const QString name = QString("D%1").arg(++m_names);
            place(someSheet(), 81, on<DlgPropBlock>([&](DlgPropBlock *d) {
                d->classCombo()->setCurrentIndex(pick(d->classCombo()->count()));
                d->typeCombo()->setCurrentIndex(pick(d->typeCombo()->count()));
                d->edObjName()->setText(name);
                press(d, "Add");
                press(d, "V");
                okOrCancel(d);
            }));
            auto *block = dynamic_cast<Device *>(project().findObj(BlockKind, name));
            return block && block->placeType() >= 0 ? block : nullptr;
        }
        auto *device = dynamic_cast<Device *>(project().createDevice(kind));
        QList<int> models;
        for (int model = 0; device->hasModel(model); ++model)
            if (device->setModelIndex(model) && device->placeType() >= 0) models << model;
        if (models.isEmpty() || !device->setModelIndex(pickFrom(models))
            || !device->setName(QString("D%1").arg(++m_names))) {
            delete device;
            return nullptr;
        }
        if (kind == DiodeKind || kind == ResistorKind) {
            // Shown on a sheet, when one is left.
            if (Scheme *sheet = someSheet()) {
                const int type = QGraphicsItem::UserType + (kind == DiodeKind ? 410 : 407);
                auto *item = static_cast<GraphicsObjItem *>(sheet->createItem(type));
                sheet->addGraphicsItem(item);
                item->setPos(somewhere(sheet));
                device->appendItem(item);
            }
        }
        return device;
    }

    // A device dropped into a frame; or double-clicked in "Table devices" and put down in the frame editor by a click.
    QString placeDevice(int throughTable)
    {
        Device *device = newDevice();
        // Modules go into the LP Varnel frame.
        Frame *frame = device && device->kind() == ModuleKind ? framesOf(project())[1] : someFrame();
        if (!device) return QString();
        const QString edit = QString("place %1 (model %2)").arg(device->name()).arg(device->modelIndex());
        if (!throughTable) {
            GraphicsPlaceItemDevice *item = device->createPlaceItem(frame->layout());
            frame->layout()->addGraphicsItem(item);
            return edit + drop(item, frame, false);
        }
        auto *view = qobject_cast<FrameEdit *>(open(frame->layout()));
        EquipmentLayout *table = m_window.equipmentLayout();
        if (!view || !table) return "!the frame editor is not shown";
        table->parentWidget()->show();
        QTreeWidgetItem *row = table->findTreeItemOfObj(*device);
        if (!row) return QString();
        emit table->tree()->itemDoubleClicked(row, 0);
        auto *item = dynamic_cast<GraphicsPlaceItemDevice *>(view->carriedItems().value(0));
        const QList<Place *> free = item ? freePlaces(frame, item) : QList<Place *>();
        click(view, free.isEmpty() ? somewhere(frame->layout()) : pickFrom(free)->sceneRect().center());
        if (!view->carriedItems().isEmpty()) return "!a device is carried still";
        // Put down nowhere, it went back to the table, unplaced.
        GraphicsPlaceItemDevice *placed = device->placeItem();
        if (placed && placed->place())
            return edit + QString(" through the table into %1").arg(addressText(placed->place()->address()));
        if (placed) return "!a device put down nowhere stands free";
        return edit + " through the table nowhere";
    }

    // A panel or board of a type that some free place of the frame takes.
    QString insertContainer(int)
    {
        Frame *frame = someFrame();
        QList<int> choices;
        for (Place *place : placesOf(frame)) {
            if (place->state() != Place::Normal || place->item() || place->placeType() < 0) continue;
            for (int id = 0; id < panelTypeCount + boardTypeCount; ++id) {
                const int kind =
                    id < panelTypeCount ? panelTypes[id].containerKind : boardTypes[id - panelTypeCount].containerKind;
                if (placeTypeAllowsModel(place->placeType(), containerKinds[kind].model)) choices << id;
            }
        }
        if (choices.isEmpty()) return QString();
        const int id = pickFrom(choices);
        FrameLayout *layout = frame->layout();
        auto *item = static_cast<GraphicsPlaceContainer *>(
            layout->createItem(id < panelTypeCount ? int(GraphicsFramePanel::Type) : int(GraphicsBoard::Type)));
        item->setContainerType(id < panelTypeCount ? id : id - panelTypeCount);
        layout->addGraphicsItem(item);
        return "insert " + placeItemText(item) + drop(item, frame, false);
    }

    // A placed panel or board clicked in the frame editor and given another type in its dialog.
    QString retypeContainer(int)
    {
        Frame *frame = someFrame();
        QList<GraphicsItem *> placed;
        for (Place *place : placesOf(frame)) {
            auto *container = dynamic_cast<GraphicsPlaceContainer *>(place->item());
            if (container && (container->flags() & QGraphicsItem::ItemIsMovable)) placed << container;
        }
        auto *chosen = static_cast<GraphicsPlaceContainer *>(pickFrom(placed));
        if (!chosen || clickOn(frame->layout(), [&](GraphicsItem *each) { return each == chosen; }) != chosen
            || !chosen->isSelected())
            return QString();
        const QString edit = "retype " + placeItemText(chosen);
        const int row = pick(1000);
        const bool done = command(24, on<DlgPropContainerType>([&](DlgPropContainerType *d) {
            d->typeTree()->clearSelection();
            d->typeTree()->topLevelItem(row % d->typeTree()->topLevelItemCount())->setSelected(true);
            pressOk(d);
        }));
        return done ? edit + " as " + placeItemText(chosen) + (chosen->place() ? " in its place" : " loose") : QString();
    }

    // An item taken out of its place as a move in the editor does (a container lets go of what it holds) and dropped
    // over another; or clicked in the frame editor and deleted. The module that gathers commands stays.
    QString movePlaceItem(int remove)
    {
        Frame *frame = someFrame();
        QList<GraphicsPlaceItem *> items;
        Module *gathering = modulesByCommands().value(0);
        for (Place *place : placesOf(frame)) {
            GraphicsPlaceItem *item = place->item();
            auto *device = dynamic_cast<GraphicsPlaceItemDevice *>(item);
            if (item && (item->flags() & QGraphicsItem::ItemIsMovable) && (!device || device->device() != gathering))
                items << item;
        }
        if (remove) {
            GraphicsItem *item = items.isEmpty() ? nullptr : clickOn(frame->layout(), [&](GraphicsItem *each) {
                return items.contains(dynamic_cast<GraphicsPlaceItem *>(each));
            });
            const QString edit = item ? "remove " + placeItemText(dynamic_cast<GraphicsPlaceItem *>(item)) : QString();
            return item && command(23) ? edit : QString();
        }
        GraphicsPlaceItem *item = pickFrom(items);
        if (!item) return QString();
        const QString edit = QString("move %1 from %2").arg(placeItemText(item), addressText(item->place()->address()));
        item->transformChanged();
        return edit + drop(item, frame, true);
    }

    // An empty place of a frame double-clicked in the frame's editor, which marks it.
    QString markPlace(int)
    {
        Frame *frame = someFrame();
        QList<Place *> empty;
        for (Place *place : placesOf(frame))
            if (!place->item() && !place->coveringItem() && place->placeType() >= 0) empty << place;
        Place *place = pickFrom(empty);
        GraphicsEdit *view = place ? open(frame->layout()) : nullptr;
        if (!view) return QString();
        const int before = place->mark();
        const QPoint where = shown(view, place->sceneRect().center());
        mouseMove(view->viewport(), where);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, where);
        if (place->mark() == before) return QString();
        return QString("mark %1 of frame %2 as %3")
            .arg(addressText(place->address())).arg(frame->address().field(2)).arg(place->mark());
    }

    // A cable between two frames, added to the cable list as a load would, or a core more for a listed one.
    QString addCable(int core)
    {
        SpecificationManagerCable *list = project().specificationCable();
        if (core == 1) {
            Cable *listed = pickFrom(list->cables().value(pickFrom(list->keys())));
            if (listed) listed->appendCore(new CableCore{"X", "Y", 0});
            return listed ? QString("a core more for cable %1").arg(listed->number()) : QString();
        }
        const quint32 from = someFrame()->address().packedFrameCode();
        const quint32 to = someFrame()->address().packedFrameCode();
        if (core == 2) {
            // A hundred cables of a page each, while no frame has as many pages: the tree lists "100" before "11".
            for (Frame *frame : framesOf(project()))
                if (frame->treeItem()->childCount() > 100) return QString();
            for (int i = 0; i < 100; ++i) {
                auto *cable = new Cable(0);
                cable->setNumber(++m_names);
                for (int c = 0; c < 101; ++c) cable->appendCore(new CableCore{QString("X%1").arg(c), "Y", qint32(c)});
                list->addCable(quint64(from) << 32 | to, cable);
            }
            return QString("a hundred cables %1 -> %2").arg(from, 0, 16).arg(to, 0, 16);
        }
        auto *cable = new Cable(pick(Cable::TypeCount));
        cable->setNumber(++m_names);
        const int cores = 1 + pick(qMin(120, qMax(1, Cable::typeCores(cable->type()))));
        for (int i = 0; i < cores; ++i)
            cable->appendCore(new CableCore{QString("X%1").arg(i), QString("Y%1").arg(i), qint32(i)});
        list->addCable(quint64(from) << 32 | to, cable);
        return QString("cable %1 of %2 cores %3 -> %4").arg(cable->number()).arg(cores).arg(from, 0, 16).arg(to, 0, 16);
    }

    // In a frame's dialog: a number no frame has, another type of its pool, or another choice of clamp panels.
    QString editFrame(int what)
    {
        const QList<Frame *> frames = framesOf(project());
        Frame *frame = pickFrom(frames);
        QList<int> others = framePools.value(int(frames.indexOf(frame)), framePools.first());
        others.removeAll(frame->frameType());
        QString edit;
        choose(frame->treeItem());
        command(65, on<DlgPropFrame>([&](DlgPropFrame *d) {
            const int former = frame->address().field(2);
            if (what == 0) {
                int free = 1;
                while (std::any_of(frames.cbegin(), frames.cend(),
                                   [&](Frame *f) { return f->address().field(2) == free; }))
                    ++free;
                d->numberSpin()->setValue(free);
                edit = QString("frame %1 renumbered %2").arg(former).arg(free);
            } else if (const int type = pickFrom(others); what == 1 && !others.isEmpty()) {
                d->frameTypeCombo()->setCurrentIndex(d->frameTypeCombo()->findData(type));
                edit = QString("frame %1 of type %2").arg(former).arg(type);
            } else if (const int count = d->clampTypeCombo()->count(); what == 2 && count > 1) {
                auto *clamps = d->clampTypeCombo();
                clamps->setCurrentIndex((clamps->currentIndex() + 1 + pick(count - 1)) % count);
                edit = QString("frame %1 with clamp panels %2").arg(former).arg(d->clampTypeCombo()->currentText());
            }
            press(d, edit.isEmpty() ? "Cancel" : "Ok");
        }));
        return edit;
    }

    // In the distances dialog: a frame of the project or another one added, a length typed (0 takes it out), Ok.
    QString editDistance(int)
    {
        QString edit;
        command(34, on<DlgDistances>([&](DlgDistances *dialog) {
            for (int i = 0, n = pick(3); i < n; ++i) {
                Frame *frame = chance(60) ? someFrame() : nullptr;
                const int kind = frame ? frame->address().field(0) : pick(3);
                const int number = frame ? frame->address().field(1) * 10 + frame->address().field(2) : 11 + pick(40);
                ModalRecorder add;
                add.handle(on<DlgDistancesFrameAdd>([&](DlgDistancesFrameAdd *adding) {
                    adding->frameNumber()->setValue(number);
                    adding->frameType()->setCurrentIndex(kind);
                    pressOk(adding);
                }));
                dialog->btnAddClick();
            }
            QTableWidget *table = dialog->table();
            if (table->columnCount() >= 2) {
                const int column = 1 + pick(table->columnCount() - 1);
                const int row = pick(column);
                const QString metres = chance(25) ? "0" : QString::number(1 + pick(2000));
                table->setItem(row, column, new QTableWidgetItem(metres));
                edit = QString("distance %1 %2 %3")
                           .arg(table->verticalHeaderItem(row)->text(), table->horizontalHeaderItem(column)->text())
                           .arg(metres);
            }
            press(dialog, "Ok");
        }));
        return edit;
    }

    // In a command's dialog: a module added, renamed or deleted with its commands; the gathering module stays.
    QString editModule(int)
    {
        QList<Module *> modules = modulesByCommands();
        if (!modules.isEmpty() && modules.first()->modelIndex() < 2) modules.removeFirst();
        const int action = modules.isEmpty() || chance(40) ? 0 : chance(65) ? 1 : 2;
        const QString chosen = modules.isEmpty() ? QString() : pickFrom(modules)->name();
        const int type = chance(80) ? pick(2) : 2;
        const int moduleNumber = 1 + pick(6);
        QString edit;
        commandDialog(pickFrom(DlgPropCommand::collectCommandItems(m_window.project())), [&](DlgPropCommand *d) {
            if (action > 0) chooseModule(d, chosen);
            d->typeCombo()->setCurrentIndex(d->typeCombo()->findData(type));
            d->numberSpin()->setValue(moduleNumber);
            {
                // A module with commands goes when the user agrees.
                ModalRecorder agree;
                agree.clickButton("&Yes");
                press(d, action == 0 ? "Add" : action == 1 ? "Repl" : "Del");
            }
            const QString entered = d->typeCombo()->currentText() + QString::number(moduleNumber);
            edit = action == 0 ? "add module " + entered
                : action == 1  ? QString("rename module %1 to %2").arg(chosen, entered)
                               : "delete module " + chosen;
            press(d, "Cancel");
        });
        return edit;
    }

    // The frame a device stands in.
    Frame *frameOf(Device *device)
    {
        const Address *at = device ? device->address() : nullptr;
        for (Frame *frame : framesOf(project()))
            if (at && frame->address().packedFrameCode() == at->packedFrameCode()) return frame;
        return nullptr;
    }

    // Between two saves, a module of the gathering module's type renumbered past it, put into its frame first if it
    // stands nowhere: their DC pages, and the drawings on them, sort anew.
    QString renumberModule(int)
    {
        const QList<Module *> modules = modulesByCommands();
        Module *gathering = modules.value(0);
        QList<Module *> others;
        for (Module *each : modules.mid(1))
            if (each->modelIndex() == gathering->modelIndex()) others << each;
        Module *other = pickFrom(others);
        Frame *frame = other ? frameOf(gathering) : nullptr;
        if (!frame || (other->placeItem() && frameOf(other) != frame)) return QString();
        const QString name = other->name();
        const int type = other->modelIndex();
        if (!other->placeItem()) {
            GraphicsPlaceItemDevice *item = other->createPlaceItem(frame->layout());
            frame->layout()->addGraphicsItem(item);
            m_log << "place " + name + drop(item, frame, false);
        }
        const int past = gathering->name().mid(2).toInt();
        const int number = name.mid(2).toInt() < past ? past + 1 + pick(6 - past) : 1 + pick(past - 1);
        if (const QString failure = saveAndCompare(); !failure.isEmpty()) return '!' + failure;
        const QList<GraphicsCommand *> commands = DlgPropCommand::collectCommandItems(m_window.project());
        const bool done = commandDialog(pickFrom(commands), [&](DlgPropCommand *d) {
            chooseModule(d, name);
            d->typeCombo()->setCurrentIndex(d->typeCombo()->findData(type));
            d->numberSpin()->setValue(number);
            press(d, "Repl");
            press(d, "Cancel");
        });
        if (const QString failure = saveAndCompare(); !failure.isEmpty()) return '!' + failure;
        return done ? QString("renumber module %1 to %2").arg(name).arg(number) : QString();
    }

    // A command pasted (the one copied at the start) or clicked, given a module in its dialog: mostly the module with
    // most commands, which so fills a second DC page.
    QString editCommand(int)
    {
        const QList<GraphicsCommand *> commands = DlgPropCommand::collectCommandItems(m_window.project());
        const QList<Module *> modules = modulesByCommands();
        Module *module = chance(85) ? modules.value(0) : pickFrom(modules);
        if (!module) return QString();
        const int kinds[3][2] = {{0, 0}, {1, 2}, {3, 3}};
        const int kind = kinds[qBound(0, module->modelIndex(), 2)][pick(2)];
        const QString name = module->name();
        GraphicsCommand *item = !commands.isEmpty() && chance(30) ? pickFrom(commands) : nullptr;
        QString edit;
        if (item) {
            edit = QString("command of %1 on %2 to %3")
                       .arg(item->module() ? item->module()->name() : "-", item->graphicsScene()->name(), name);
        } else {
            // Most go onto the first sheet, which so stays.
            Scheme *sheet = chance(70) ? schemesOf(project()).first() : someSheet();
            GraphicsEdit *view = open(sheet);
            auto *data = new QMimeData();
            data->setData("r-lay/scheme-edit", m_commandRecord);
            QGuiApplication::clipboard()->setMimeData(data);
            if (!view || !command(15) || view->carriedItems().size() != 1) return QString();
            item = dynamic_cast<GraphicsCommand *>(view->carriedItems().first());
            click(view, somewhere(sheet));
            if (!item || view->carriedItems().contains(item)) return "!a pasted command is not dropped";
            edit = QString("command pasted on %1 for %2").arg(sheet->name(), name);
        }
        const bool done = commandDialog(item, [&](DlgPropCommand *d) {
            chooseModule(d, name);
            d->kindGroup()->button(kind)->click();
            okOrCancel(d);
        });
        return done ? edit : edit + " (its dialog not reached)";
    }

    // A text written on a sheet through its dialog, or one clicked and rewritten in its dialog.
    QString writeText(int rewrite)
    {
        Scheme *sheet = someSheet();
        const QString words = QString("note %1").arg(++m_names);
        if (rewrite)
            return clickOn(sheet, ofType<GraphicsText::Type>) && command(24, writing(words))
                ? "rewrite a text on " + sheet->name() + " to " + words
                : QString();
        return place(sheet, 111, writing(words)) ? "write " + words + " on " + sheet->name() : QString();
    }

    // A passage with clamps of a clamp panel, through its dialog.
    QString placePassage(int)
    {
        Scheme *sheet = someSheet();
        const int panel = 21 + pick(2);
        QStringList names;
        GraphicsItem *made = place(sheet, 87, on<DlgPropPassage>([&](DlgPropPassage *d) {
            d->modelCombo()->setCurrentIndex(d->modelCombo()->findText("V"));
            d->frameSpin()->setValue(12);
            d->placeSpin()->setValue(panel);
            for (int i = 0, n = 1 + pick(3); i < n && d->nameCombo()->count() > 0; ++i) {
                d->nameCombo()->setCurrentIndex(pick(qMin(10, d->nameCombo()->count())));
                names << d->nameCombo()->currentText();
                d->btnAddClamp();
            }
            pressOk(d);
        }));
        return made ? QString("passage on %1 with 12V%2 %3").arg(sheet->name()).arg(panel).arg(names.join(' '))
                    : QString();
    }

    // The pins of the scheme items of the devices a frame's plain pages show (those with notes), once a page of the
    // frame is open.
    QList<Pin *> pinsShownBy(Frame *frame)
    {
        QList<Pin *> pins;
        for (QTreeWidgetItem *row : frame ? childrenOf(frame->treeItem()) : QList<QTreeWidgetItem *>())
            if (auto *page = dynamic_cast<WiringPageItem *>(row)) {
                page->doubleClicked();
                break;
            }
        for (WiringLayout *page : frame ? builtPagesOf(frame) : QList<WiringLayout *>())
            for (GraphicsItem *item : page->pageClass() == WiringLayout::ClassId ? page->graphicsItems()
                                                                                 : QList<GraphicsItem *>()) {
                auto *shown = dynamic_cast<GraphicsWiringItemDevice *>(item);
                Device *device = shown ? (shown->device() ? shown->device() : shown->notedDevice()) : nullptr;
                for (ObjItem *entry : device ? device->items() : QList<ObjItem *>()) {
                    // A clamp joined to a passage is a point of the passage's net, whatever is drawn to it.
                    PinOwner *owner = entry->pinOwner();
                    for (int i = 0; owner && !owner->linkedItem() && i < owner->pinCount(); ++i)
                        pins << owner->pin(i);
                }
            }
        return pins;
    }

    // A net drawn in the editor from a free pin down by ten grid steps.
    void drawNet(Pin *pin)
    {
        GraphicsItem *owner = pin->owner()->graphicsItem();
        GraphicsEdit *view = open(owner->graphicsScene());
        if (!view) return;
        const QPointF at = owner->mapToScene(pin->center());
        command(73);
        click(view, at);
        mouseMove(view->viewport(), shown(view, at + QPointF(0, 400)));
        click(view, at + QPointF(0, 400));
        command(30);
    }

    // A net drawn from a free pin; or a net clicked and given another section: often, with a page of each frame
    // open, a net (drawn first where there is none) on a pin of a device the pages show, whose section is in their
    // notes, worked out again when a chain changes.
    QString editNet(int section)
    {
        Scheme *sheet = someSheet();
        if (!sheet) return QString();
        if (section) {
            std::function<bool(GraphicsItem *)> wanted = [](GraphicsItem *item) {
                return graphicsNetCast(item) != nullptr;
            };
            bool noted = false;
            QList<Pin *> pins;
            if (m_notes.bounded(5) < 3)
                for (Frame *frame : framesOf(project())) pins += pinsShownBy(frame);
            if (Pin *pin = pins.value(m_notes.bounded(int(qMax(1, int(pins.size())))))) {
                if (pin->isFree()) drawNet(pin);
                // A clamp's four pins are one point: the net drawn may take another of them.
                GraphicsItem *net = nullptr;
                for (int i = 0; !net && i < pin->owner()->pinCount(); ++i)
                    if (Pin *far = pin->owner()->pin(i)->partner())
                        net = graphicsNetCast(far->owner()->graphicsItem()) ? far->owner()->graphicsItem() : nullptr;
                if (net) {
                    sheet = static_cast<Scheme *>(net->graphicsScene());
                    wanted = [net](GraphicsItem *item) { return item == net; };
                    noted = true;
                    ++counts["section for a page's note"];
                }
            }
            // The sections with a legend of their own change the notes.
            const int chosen = noted ? QList<int>{4, 5, 6, 15}[m_notes.bounded(4)] : pick(WireSectionCount);
            const bool done = clickOn(sheet, wanted)
                && command(24, on<DlgPropNet>([&](DlgPropNet *d) {
                       d->tree()->setCurrentItem(d->tree()->topLevelItem(chosen));
                       pressOk(d);
                   }));
            return done ? QString("section %1 for a net of %2").arg(chosen).arg(sheet->name()) : QString();
        }
        QList<Pin *> free;
        for (GraphicsItem *item : sheet->graphicsItems()) {
            auto *pinned = graphicsNetCast(item) ? nullptr : dynamic_cast<GraphicsPins *>(item);
            for (int i = 0; pinned && i < pinned->pinCount(); ++i)
                if (pinned->pin(i)->isFree()) free << pinned->pin(i);
        }
        Pin *pin = pickFrom(free);
        if (!pin || !open(sheet)) return QString();
        const QPointF at = pin->owner()->graphicsItem()->mapToScene(pin->center());
        drawNet(pin);
        return QString("net from %1 on %2").arg(pointText(at), sheet->name());
    }

    // A footnote, source or conductor placed through its dialog: a new name added, or one of the project chosen.
    QString placeTag(int)
    {
        const int ids[] = {84, 82, 94};
        const int id = ids[pick(3)];
        Scheme *sheet = someSheet();
        QString name;
        GraphicsItem *made = place(sheet, id, on<DlgPropGraphicsObjItem>([&](DlgPropGraphicsObjItem *d) {
            QTreeWidget *table = d->objTable();
            if (table->topLevelItemCount() > 0 && chance(50)) {
                QTreeWidgetItem *row = table->topLevelItem(pick(table->topLevelItemCount()));
                name = row->text(0);
                d->selectTreeItem(table, row);
            } else {
                name = QString("T%1").arg(++m_names);
                d->edObjName()->setText(name);
                press(d, "Add");
            }
            press(d, "V"); // the row chosen for the item
            okOrCancel(d);
        }));
        return made ? QString("tag %1 (%2) on %3").arg(name).arg(id).arg(sheet->name()) : QString();
    }

    // The name of a placed device's item on a sheet changed in its dialog.
    QString renameDevice(int)
    {
        QList<GraphicsItem *> shown;
        for (int kind : {int(BlockKind), int(DiodeKind), int(ResistorKind)}) {
            for (Obj *obj : project().sortedObjectsOfKind(kind)) {
                auto *device = dynamic_cast<Device *>(obj);
                for (ObjItem *bound : device && device->address() ? device->items() : QList<ObjItem *>()) {
                    auto *item = dynamic_cast<GraphicsItem *>(bound);
                    if (item && qobject_cast<Scheme *>(item->graphicsScene())) shown << item;
                }
            }
        }
        GraphicsItem *item = pickFrom(shown);
        if (!clickShown(item)) return QString();
        const QString name = QString("D%1").arg(++m_names);
        QString former;
        const bool done = item->isSelected() && command(24, on<DlgPropGraphicsObjItem>([&](DlgPropGraphicsObjItem *d) {
            former = d->edName()->text();
            d->edName()->setText(name);
            pressOk(d);
        }));
        return done ? former + " renamed " + name : QString();
    }

    // A text drawn on a wiring page opened from its row (pages built first), or one clicked on a page and deleted.
    QString draw(int erase)
    {
        // Every second one on a DC page of the module that gathers commands.
        Module *gathering = chance(50) ? modulesByCommands().value(0) : nullptr;
        Frame *frame = gathering ? frameOf(gathering) : someFrame();
        if (!frame) return QString();
        if (erase) {
            QList<WiringLayout *> drawnOn;
            for (Frame *each : framesOf(project())) {
                for (WiringLayout *page : builtPagesOf(each)) {
                    const QList<GraphicsItem *> &items = page->graphicsItems();
                    if (std::any_of(items.cbegin(), items.cend(), ofType<GraphicsText::Type>)) drawnOn << page;
                }
            }
            WiringLayout *page = pickFrom(drawnOn);
            auto *text = dynamic_cast<GraphicsText *>(page ? clickOn(page, ofType<GraphicsText::Type>) : nullptr);
            const QString words = text ? text->text() : QString();
            if (!text || !command(23)) return QString();
            m_drawings.remove(words);
            return QString("erase %1 from %2").arg(words, page->displayName());
        }
        QList<SceneItem *> rows;
        for (QTreeWidgetItem *each : childrenOf(frame->treeItem()))
            if (auto *row = dynamic_cast<WiringPageItem *>(each);
                row && (!gathering || row->text(1) == gathering->name()))
                rows << row;
        SceneItem *row = pickFrom(rows);
        if (!row) return QString();
        row->doubleClicked();
        GraphicsEdit *view = current();
        auto *page = qobject_cast<WiringLayout *>(view ? view->graphicsScene() : nullptr);
        const QString words = QString("drawing %1").arg(++m_names);
        if (!page || page->frame() != frame || !place(page, 111, writing(words))) return QString();
        m_drawings.insert(words);
        return QString("draw %1 on %2").arg(words, page->displayName());
    }

    // Items of a shown sheet clicked (with Ctrl, added), all selected, or none by a click on empty paper.
    QString selectItems(int)
    {
        Scheme *sheet = someSheet();
        GraphicsEdit *view = open(sheet);
        if (!view) return QString();
        switch (pick(4)) {
        case 0:
            return command(17) ? "select all on " + sheet->name() : QString();
        case 1:
            click(view, QPointF(sheet->width() - 20, 20));
            return "select nothing on " + sheet->name();
        default:
            const bool add = chance(50);
            GraphicsItem *item = clickItem(view, anyItem, add);
            return item ? QString("select %1 %2 on %3").arg(add ? "also" : "only", typeText(item), sheet->name())
                        : QString();
        }
    }

    // An item dragged with the mouse, the selection with it.
    QString dragItems(int)
    {
        Scheme *sheet = someSheet();
        if (!sheet) return QString();
        GraphicsEdit *view = open(sheet);
        QList<GraphicsItem *> items;
        for (GraphicsItem *item : sheet->graphicsItems())
            if (!item->parentItem() && (item->flags() & QGraphicsItem::ItemIsMovable)) items << item;
        GraphicsItem *item = pickFrom(items);
        const std::optional<QPointF> from = item && view ? pointOn(view, item) : std::nullopt;
        if (!from) return QString();
        const QPointF by = QPointF(40 * (pick(11) - 5), 40 * (pick(11) - 5));
        // The view scrolls to the start; the end is in view at any zoom.
        const QPoint start = shown(view, *from);
        const QPoint end = view->mapFromScene(*from + by);
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, start);
        mouseMove(view->viewport(), (start + end) / 2, Qt::LeftButton);
        mouseMove(view->viewport(), end, Qt::LeftButton);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, end);
        return QString("drag %1 by %2 on %3").arg(typeText(item), pointText(by), sheet->name());
    }

    // The selection, or a clicked item, turned a quarter or mirrored.
    QString turn(int mirror)
    {
        Scheme *sheet = someSheet();
        GraphicsEdit *view = open(sheet);
        if (!view || (!sheet->hasSelection() && !clickItem(view, anyItem))) return QString();
        const int id = (mirror ? 20 : 18) + pick(2);
        const char *names[] = {"rotate left", "rotate right", "mirror across", "mirror up"};
        return command(id) ? QString("%1 on %2").arg(names[id - 18], sheet->name()) : QString();
    }

    // A picture pasted onto a shown sheet, or one clicked and put behind or above the other items in its dialog.
    QString layer(int)
    {
        Scheme *sheet = someSheet();
        GraphicsEdit *view = open(sheet);
        GraphicsItem *picture = view && chance(70) ? clickItem(view, ofType<GraphicsPixmap::Type>) : nullptr;
        if (view && !picture) {
            QImage image(24 + pick(40), 16 + pick(40), QImage::Format_RGB32);
            image.fill(QColor::fromHsv(pick(360), 200, 200));
            QGuiApplication::clipboard()->setImage(image);
            if (!command(15) || view->carriedItems().isEmpty()) return QString();
            click(view, somewhere(sheet));
            return "paste a picture on " + sheet->name();
        }
        const bool behind = chance(50);
        const bool done = picture && command(24, on<DlgPropPixmap>([&](DlgPropPixmap *d) {
            (behind ? d->backgroundButton() : d->foregroundButton())->setChecked(true);
            pressOk(d);
        }));
        return done ? QString("picture %1 on %2").arg(behind ? "behind" : "above", sheet->name()) : QString();
    }

    // An item of a shown sheet clicked and deleted; the commands of the module that gathers them stay.
    QString deleteItems(int)
    {
        Scheme *sheet = someSheet();
        GraphicsItem *item = clickOn(sheet, [this](GraphicsItem *each) { return !gathered(each); });
        const QString edit = item ? QString("delete %1 on %2").arg(typeText(item), sheet->name()) : QString();
        return item && command(23) ? edit : QString();
    }

    // An item clicked and copied, pasted onto another (or the same) shown sheet and dropped.
    QString pasteItems(int)
    {
        Scheme *from = someSheet();
        if (!clickOn(from, anyItem) || !command(14)) return QString();
        Scheme *to = someSheet();
        GraphicsEdit *target = open(to);
        if (!target || !command(15) || target->carriedItems().isEmpty()) return QString();
        const int count = int(target->carriedItems().size());
        click(target, somewhere(to));
        return QString("paste %1 items of %2 onto %3").arg(count).arg(from->name(), to->name());
    }

    // A sheet added to a group, or one given another number (its rows sort anew) or name, in its dialog.
    QString editSheet(int what)
    {
        if (what == 0 && schemesOf(project()).size() > 10) return QString();
        SchemeGroup *group = someGroup();
        Scheme *sheet = someSheet();
        const int number = 1 + pick(9);
        const QString name = QString("sheet %1").arg(++m_names);
        const auto answer = numbered<DlgPropScheme>(what != 2 ? number : 0, what != 1 ? name : QString());
        if (what == 0)
            return rowCommand(group->treeItem(), 47,
                              QString("add %1 #%2 to ATR %3").arg(name).arg(number).arg(group->atrNumber()), answer);
        const QString edit =
            what == 1 ? QString("%1 numbered %2").arg(sheet->name()).arg(number) : sheet->name() + " renamed " + name;
        return rowCommand(sheet->sceneItem(), 51, edit, answer);
    }

    // A group added, or one given another ATR number (rows sort anew, open sheets are renamed) or comment.
    QString editGroup(int what)
    {
        if (what == 0 && project().schemes()->itemList().size() > 4) return QString();
        SchemeGroup *group = someGroup();
        const int atr = 1 + pick(20);
        const QString comment = QString("group %1").arg(++m_names);
        const auto answer = numbered<DlgPropSchemeGroup>(what != 2 ? atr : 0, what != 1 ? comment : QString());
        if (what == 0)
            return rowCommand(project().schemes()->treeItem(), 39, QString("add group ATR %1").arg(atr), answer);
        const QString edit = what == 1 ? QString("ATR %1 numbered %2").arg(group->atrNumber()).arg(atr)
                                       : QString("ATR %1 called %2").arg(group->atrNumber()).arg(comment);
        return rowCommand(group->treeItem(), 44, edit, answer);
    }

    // A sheet or a group deleted from its row; three sheets stay, and the first, which holds most commands.
    QString deleteRow(int group)
    {
        const QList<Scheme *> sheets = schemesOf(project());
        if (group) {
            SchemeGroup *doomed = someGroup();
            if (project().schemes()->itemList().size() < 3 || sheets.size() - doomed->itemList().size() < 3
                || doomed->itemList().contains(sheets.first()))
                return QString();
            return rowCommand(doomed->treeItem(), 40, QString("delete group ATR %1").arg(doomed->atrNumber()));
        }
        Scheme *sheet = pickFrom(sheets.mid(1));
        return sheets.size() < 4 ? QString() : rowCommand(sheet->sceneItem(), 48, "delete " + sheet->name());
    }

    // A sheet (now and then two) copied and pasted into a group; or a group copied and pasted into the branch.
    QString pasteRows(int group)
    {
        Scheme *sheet = someSheet();
        SchemeGroup *from = someGroup();
        if (schemesOf(project()).size() > 10 || (group && project().schemes()->itemList().size() > 4)) return QString();
        if (group) {
            choose(from->treeItem());
            if (!command(45)) return QString();
            choose(project().schemes()->treeItem(), true);
            return command(46) ? QString("paste a copy of ATR %1").arg(from->atrNumber()) : QString();
        }
        choose(sheet->sceneItem());
        for (SchemeGroup *each : project().schemes()->itemList()) {
            const QList<Scheme *> &sheets = each->itemList();
            if (sheets.contains(sheet) && sheets.size() > 1 && chance(30))
                sheets.value(sheets.indexOf(sheet) == 0 ? 1 : 0)->sceneItem()->setSelected(true);
        }
        const qsizetype count = project().selectedItems().size();
        if (!command(52)) return QString();
        SchemeGroup *target = someGroup();
        choose(target->treeItem(), true);
        if (!command(53)) return QString();
        return QString("paste %1 sheets from %2 into ATR %3").arg(count).arg(sheet->name()).arg(target->atrNumber());
    }

    // A row, frame, group or sheet printed from its row (to a PDF printer), or a row, frame or group saved as PDF.
    QString print(int pdf)
    {
        const QList<QPair<QTreeWidgetItem *, int>> targets = {
            {project().equipment()->itemList().first()->treeItem(), pdf ? 58 : 56},
            {someFrame()->treeItem(), pdf ? 64 : 62},
            {someGroup()->treeItem(), pdf ? 43 : 41},
            {someSheet()->sceneItem(), 49}};
        const auto [row, id] = targets.value(pick(pdf ? 3 : 4));
        choose(row);
        const QString folder = m_dir + "/printed";
        QDir().mkpath(folder);
        m_fileAnswer = folder + "/out.pdf";
        if (!action(id)->isEnabled()) return QString();
        ModalRecorder answers;
        answers.answer([&](QDialog *d) {
            auto *dialog = qobject_cast<QPrintDialog *>(d);
            if (!dialog) return int(QDialog::Rejected);
            dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog->printer()->setOutputFileName(m_fileAnswer);
            return int(QDialog::Accepted);
        });
        action(id)->trigger();
        const bool printed = !QDir(folder).entryList(QDir::Files).isEmpty();
        QDir(folder).removeRecursively();
        return printed ? QString("%1 %2").arg(pdf ? "PDF of" : "print", row->text(0)) : QString();
    }

    // Saved under a new name in a folder of its own: the sequence goes on there.
    QString saveAs(int)
    {
        const QString folder = QString("%1/as%2").arg(m_dir).arg(++m_folders);
        QDir().mkpath(folder);
        m_fileAnswer = folder + "/plant.rlay";
        if (!action(3)->isEnabled()) return QString();
        const QStringList asked = save(3);
        if (project().fileName() != m_fileAnswer || action(2)->isEnabled())
            return "!Save as failed: " + asked.join(" / ");
        QDir(QFileInfo(m_path).absolutePath()).removeRecursively();
        m_path = m_fileAnswer;
        const QString failure = compare(asked);
        return failure.isEmpty() ? "save as " + m_path.mid(m_dir.size() + 1) : "!" + failure;
    }

    // A sheet or page shown in a tab (opened from its row), printed as nobody looks at it, or searched.
    QString look(int)
    {
        QList<SceneItem *> rows;
        for (QTreeWidgetItemIterator it(m_window.project()); *it; ++it)
            if (auto *row = dynamic_cast<SceneItem *>(*it)) rows << row;
        SceneItem *row = pickFrom(rows);
        if (!row) return QString();
        switch (pick(3)) {
        case 0: {
            QList<GraphicsItem *> hits;
            project().schemes()->findItems("D", hits, false, Qt::CaseInsensitive, true);
            return "search";
        }
        case 1:
            if (GraphicsScene *page = row->owner()) {
                QImage image(210, 148, QImage::Format_RGB32);
                QPainter painter(&image);
                page->printScene(&painter);
                return "print " + row->text(0);
            }
            return QString();
        default:
            const QString opened = "open " + row->text(0);
            row->doubleClicked();
            current();
            return opened;
        }
    }

    // A tab closed: what its sheet shows stays as it was.
    QString closeTab(int)
    {
        if (tabs()->count() == 0) return QString();
        const QStringList seen = sheetView(project());
        tabs()->setCurrentIndex(pick(tabs()->count()));
        const QString name = tabs()->tabText(tabs()->currentIndex());
        m_window.closeTabWidget();
        const QString changed = difference(seen, sheetView(project()), "shown", "closed");
        return changed.isEmpty() ? "close the tab of " + name
                                 : "!closing the tab of " + name + " changed the sheets, " + changed;
    }

    // The user saves (when Save is enabled): what the sheets show stays, and the files compare.
    QString saveAndCompare()
    {
        const QStringList seen = sheetView(project());
        // The notes of the pages built: those the save keeps must be the notes of a build from scratch.
        QList<QPair<QPointer<WiringLayout>, QString>> notes;
        for (Frame *frame : framesOf(project()))
            for (WiringLayout *page : builtPagesOf(frame)) notes.append({page, page->secondCaption()});
        const QStringList asked = save(2);
        for (const QString &box : asked) m_log << "  box: " + box;
        if (action(2)->isEnabled() || asked.join('\n').contains("FALSE expression"))
            return "the save failed: " + asked.join(" / ");
        const QString changed = difference(seen, sheetView(project()), "before", "after");
        if (!changed.isEmpty()) return "the save changed the sheets, " + changed;
        for (const auto &[page, note] : notes)
            if (page && page->secondCaption() != note)
                return QString("%1 showed the note [%2], not [%3]")
                    .arg(page->displayName(), note, page->secondCaption());
        if (const QString failure = compare(asked); !failure.isEmpty()) return failure;
        // Now and then the user opens the project saved.
        if (chance(30)) {
            m_fileAnswer = m_path;
            ModalRecorder answers;
            answers.clickButton("&No");
            command(1);
            if (!m_window.project() || project().fileName() != m_path)
                return "the project does not open again: " + m_boxes.texts().join(" / ");
            m_log << "open again";
        }
        return QString();
    }

    // The project in memory against the one its files hold, and the files against those of a full save of that one
    // and, now and then, of the one in memory; a drawing goes only with its page, and the save said so.
    QString compare(const QStringList &asked)
    {
        // No two devices share an address.
        QHash<QString, QString> addressed;
        for (Frame *frame : framesOf(project())) {
            for (Place *place : placesOf(frame)) {
                auto *held = dynamic_cast<GraphicsPlaceItemDevice *>(place->item());
                const QString at = addressText(place->address());
                if (held && addressed.contains(at))
                    return QString("%1 and %2 both at %3").arg(addressed.value(at), placeItemText(held), at);
                if (held) addressed.insert(at, placeItemText(held));
            }
        }
        if (const QString wrong = lookupMismatch(project()); !wrong.isEmpty()) return "in memory, " + wrong;
        const QStringList inMemory = dump(project());
        const QString all = inMemory.join('\n') + '\n';
        for (const QString &drawing : m_drawings.values()) {
            if (all.contains(' ' + drawing + '\n')) continue;
            if (asked.isEmpty()) return drawing + " is lost without a word";
            m_drawings.remove(drawing);
        }
        Project reopened(nullptr, nullptr);
        reopened.setFileName(m_path);
        if (!reopened.load()) return "the reopen failed: " + m_boxes.texts().join(" / ");
        if (const QString wrong = lookupMismatch(reopened); !wrong.isEmpty()) return "reopened, " + wrong;
        QString failure = difference(inMemory, dump(reopened), "in memory", "reopened");
        if (!failure.isEmpty()) return "the reopened project differs, " + failure;
        // The table the window keeps up edit by edit, against one built from the project reopened.
        if (EquipmentLayout *table = m_window.equipmentLayout(); table && table->isVisible()) {
            QCoreApplication::processEvents();
            EquipmentLayout fresh(nullptr, &reopened);
            fresh.show();
            failure = difference(tableRows(*table), tableRows(fresh), "Table devices", "built from the files");
            if (!failure.isEmpty()) return "Table devices differs, " + failure;
            ++counts["table compared"];
        }
        // The sheets' files the project names: a deleted sheet's file may stay, named by no record.
        const QString folder = QFileInfo(m_path).absolutePath() + '/';
        QSet<QString> named;
        for (Scheme *sheet : schemesOf(reopened)) named << sheet->file().fileName().mid(folder.size());
        // Every page built, every sheet drawn from a framework scene as a shown one is, to compare with the unshown.
        for (Frame *frame : framesOf(reopened)) frame->buildWiringPages();
        for (GraphicsScene *sheet : sheetsOf(reopened)) sheet->liveScene();
        const QStringList built = dump(reopened);
        failure = difference(inMemory, built, "in memory", "rebuilt");
        if (!failure.isEmpty()) return "the reopened project with every page built differs, " + failure;
        for (const QString &line : built)
            if (line.startsWith("~ module ") && line.endsWith(" 0")) ++counts["second DC page seen"];
        // The reference: the project as its files hold it, saved in full into a folder of its own.
        const QString reference = m_dir + "/reference";
        QDir(reference).removeRecursively();
        QDir().mkpath(reference);
        reopened.setFileName(reference + '/' + QFileInfo(m_path).fileName());
        reopened.prepareFullSave();
        {
            ModalRecorder answers;
            answers.clickButton("&Yes");
            if (!reopened.save()) return "the reference save failed: " + answers.texts().join(" / ");
        }
        const QMap<QString, QByteArray> written = undated(filesBelow(folder), m_dates);
        const QMap<QString, QByteArray> full = undated(filesBelow(reference), m_dates);
        QDir(reference).removeRecursively();
        if (failure = fileDifference(written, full, named); !failure.isEmpty()) return failure + " reopened";
        // Now and then the project in memory is saved in full where it stands, as Save as under its own name saves
        // it: nothing an earlier save kept is used. It writes every file the project names (each with its date),
        // the bytes the save before wrote, and leaves the project showing what it showed.
        if (m_fullSaves.bounded(2)) {
            ++counts["saved in full"];
            m_fileAnswer = m_path;
            const QStringList boxes = save(3);
            if (project().fileName() != m_path || action(2)->isEnabled())
                return "the full save failed: " + boxes.join(" / ");
            const QByteArray date = bytesOf([](DataStream &s) { s << clockNow; });
            const QMap<QString, QByteArray> again = filesBelow(folder);
            for (auto file = again.cbegin(); file != again.cend(); ++file)
                if (!file.value().contains(date) && (!file.key().endsWith(".sch") || named.contains(file.key())))
                    return file.key() + " is not written by a full save";
            if (failure = fileDifference(written, undated(again, m_dates), named); !failure.isEmpty())
                return failure + " saved in full";
            if (failure = difference(inMemory, dump(project()), "before", "after"); !failure.isEmpty())
                return "a full save changed the project, " + failure;
        }
        if (m_boxes.texts().join('\n').contains("FALSE expression"))
            return "a check failed: " + m_boxes.texts().join(" / ");
        return QString();
    }
};

using E = EditSequence;
const QList<EditKind> EditSequence::kinds = {
    {"device", 30, 13, &E::placeDevice}, {"table", 30, 16, &E::placeDevice, 1},
    {"container", 50, 19, &E::insertContainer}, {"retype container", 10, 3, &E::retypeContainer}, {"move place item", 30, 10, &E::movePlaceItem},
    {"remove place item", 20, 6, &E::movePlaceItem, 1}, {"cable", 20, 10, &E::addCable},
    {"core", 8, 4, &E::addCable, 1}, {"bundle", 1, 1, &E::addCable, 2},
    {"renumber frame", 4, 4, &E::editFrame}, {"frame type", 6, 5, &E::editFrame, 1},
    {"clamp panels", 12, 7, &E::editFrame, 2}, {"distance", 20, 12, &E::editDistance},
    {"module", 20, 10, &E::editModule}, {"renumber module", 10, 1, &E::renumberModule},
    {"command", 50, 21, &E::editCommand}, {"text", 15, 9, &E::writeText}, {"rewrite text", 15, 6, &E::writeText, 1},
    {"passage", 20, 9, &E::placePassage}, {"net", 30, 15, &E::editNet},
    {"section", 15, 5, &E::editNet, 1}, {"tag", 15, 6, &E::placeTag}, {"rename device", 15, 3, &E::renameDevice},
    {"drawing", 20, 7, &E::draw}, {"erase", 15, 4, &E::draw, 1}, {"select", 20, 6, &E::selectItems},
    {"drag", 20, 11, &E::dragItems}, {"rotate", 12, 4, &E::turn}, {"mirror", 12, 2, &E::turn, 1},
    {"layer", 12, 3, &E::layer}, {"delete", 15, 4, &E::deleteItems}, {"paste items", 15, 6, &E::pasteItems},
    {"add sheet", 6, 3, &E::editSheet}, {"renumber sheet", 5, 3, &E::editSheet, 1},
    {"rename sheet", 8, 5, &E::editSheet, 2}, {"delete sheet", 8, 3, &E::deleteRow},
    {"paste sheets", 8, 3, &E::pasteRows}, {"add group", 6, 2, &E::editGroup},
    {"renumber group", 4, 3, &E::editGroup, 1}, {"rename group", 6, 4, &E::editGroup, 2},
    {"delete group", 8, 3, &E::deleteRow, 1}, {"paste group", 6, 2, &E::pasteRows, 1}, {"print", 6, 4, &E::print},
    {"pdf", 4, 2, &E::print, 1}, {"save as", 5, 3, &E::saveAs}, {"look", 40, 14, &E::look},
    {"close tab", 20, 8, &E::closeTab}, {"mark place", 5, 3, &E::markPlace},
};

QString EditSequence::run(int count)
{
    build();
    m_fileAnswer = m_path;
    QString failure = saveAndCompare();
    int total = 0;
    for (const EditKind &kind : kinds) total += kind.weight;
    for (int i = 0; i < count && failure.isEmpty(); ++i) {
        // Every fourth edit takes the kinds in turn, the others by their shares.
        int at = pick(total);
        const EditKind *kind = &kinds.first();
        for (; at >= kind->weight; ++kind) at -= kind->weight;
        if (i % 4 == 0) kind = &kinds[(i / 4) % kinds.size()];
        const QString done = (this->*kind->edit)(kind->variant);
        // Control returns to the event loop between edits.
        QCoreApplication::processEvents();
        if (done.startsWith('!')) failure = done.mid(1);
        if (!done.isEmpty()) {
            ++counts[kind->name];
            m_log << QString("%1: %2").arg(i).arg(done);
        }
        for (const QString &box : m_boxes.texts()) m_log << "  box: " + box;
        if (m_boxes.texts().join('\n').contains("FALSE expression")) failure = "a check failed";
        // The framework items agree with the items they stand for.
        for (GraphicsScene *sheet : sheetsOf(project()))
            if (failure.isEmpty()) failure = standInMismatch(sheet);
        m_boxes.clear();
        for (int saves = chance(15) ? 1 + int(chance(20)) : 0; saves > 0 && failure.isEmpty(); --saves) {
            m_log << "save";
            failure = saveAndCompare();
        }
    }
    if (failure.isEmpty()) failure = saveAndCompare();
    // A failure prints the edits that led to it, one a line.
    if (!failure.isEmpty() || qEnvironmentVariableIsSet("RLAY_EDIT_LOG"))
        fprintf(stderr, "The edits:\n%s\n", qPrintable(m_log.join('\n')));
    return failure;
}

} // namespace

class TestEditSequence : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settings;

private slots:
    void initTestCase()
    {
        // A seed replays the same edits in every run.
        QHashSeed::setDeterministicGlobalSeed();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        clockNow = QDateTime(QDate(2031, 3, 4), QTime(5, 6, 7, 89));
        setFileClock([] { return clockNow; });
        framework = qInstallMessageHandler(quietHandler);
    }

    void cleanupTestCase()
    {
        qInstallMessageHandler(framework);
        setFileClock(nullptr);
    }

    // Every save writes what a full save of the project reopened from its files writes, and what a full save of
    // the project in memory writes; the project in memory is the one reopened. Each kind of edit comes often enough.
    void savesMatchTheProjectReopened()
    {
        const bool seeded = qEnvironmentVariableIsSet("RLAY_EDIT_SEED");
        const quint32 seed = seeded ? quint32(qEnvironmentVariableIntValue("RLAY_EDIT_SEED")) : 20240611u;
        const bool counted = qEnvironmentVariableIsSet("RLAY_EDIT_COUNT");
        const int count = counted ? qEnvironmentVariableIntValue("RLAY_EDIT_COUNT") : 700;
        // In memory where the system has it: every save syncs its files, which a busy disk makes slow.
        const QString shared = "/dev/shm";
        QTemporaryDir dir(QFileInfo(shared).isWritable() ? shared + "/tst_editsequence-XXXXXX" : QString());
        EditSequence sequence(seed, dir.path());
        const QString failure = sequence.run(count);
        QStringList made;
        for (auto each = sequence.counts.cbegin(); each != sequence.counts.cend(); ++each)
            made << QString("%1 %2").arg(each.key()).arg(each.value());
        qInfo("edits made: %s", qPrintable(made.join(", ")));
        QVERIFY2(failure.isEmpty(), qPrintable(QString("seed %1:\n%2").arg(seed).arg(failure)));
        if (seeded || counted) return;
        for (const EditKind &kind : EditSequence::kinds)
            QVERIFY2(sequence.counts.value(kind.name) >= kind.floor, kind.name);
        QVERIFY(sequence.counts.value("second DC page seen") > 0);
    }
};

QTEST_MAIN(TestEditSequence)
#include "tst_editsequence.moc"
