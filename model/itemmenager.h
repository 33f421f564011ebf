#ifndef RLAY_ITEMMENAGER_H
#define RLAY_ITEMMENAGER_H

// The manager of a list of project items of one class Item, whose
// properties are edited in the modal dialog class DlgPropItem. It gives its
// branch of the project explorer the common commands (new, delete,
// properties, print pages, save PDF files, copy, paste) and hands every
// save, load, fix-up, check and print pass of the project to each item in
// list order. What it asks of an item is the item protocol of
// itemmenagerbase.h.
//
// Item needs a constructor Item(Project*) that makes a complete empty item
// and a destructor that takes the item's node out of the tree.
// DlgPropItem needs a constructor DlgPropItem(Project*) and
// execDialog(Item* or null) -> Item*: fills the dialog from the item when
// one is given and runs it; on OK it creates the item when none was given,
// applies its fields and answers the item; on Cancel null.

#include "model/check.h"
#include "model/datastream.h"
#include "model/filedialogs.h"
#include "model/itemmenagerbase.h"
#include "model/printing.h"
#include "model/project.h"

#include <QByteArray>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QMimeData>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTreeWidget>

template <class Item, class DlgPropItem>
class ItemMenager : public ItemMenagerBase
{
public:
    explicit ItemMenager(Project *project, QList<QAction *> *actions = nullptr)
        : ItemMenagerBase(project, actions)
    {
    }

    ~ItemMenager() override
    {
        while (!items.isEmpty())
            delete items.takeFirst();
    }

    // The items in the order they were added.
    const QList<Item *> &itemList() const { return items; }

    // Takes the item and places its node under the manager's, sorted (a
    // reader of many items sorts once after the last).
    void appendItem(Item *item, bool sort = true)
    {
        items.append(item);
        ProjectItemBase *row = item ? itemprotocol::node(item) : nullptr;
        if (CHECK_PTR(row) && CHECK_PTR(treeItem())) {
            treeItem()->addChild(row);
            if (sort)
                treeItem()->sortChildren(0, Qt::AscendingOrder);
        }
    }

    // The items whose nodes are selected, in the tree's selection order.
    void selectedItems(QList<Item *> &out) const
    {
        QTreeWidget *tree = checkedTree();
        if (!tree)
            return;
        const QHash<const QTreeWidgetItem *, Item *> index = nodeIndex();
        const QList<QTreeWidgetItem *> selection = tree->selectedItems();
        for (const QTreeWidgetItem *row : selection) {
            if (Item *item = index.value(row, nullptr))
                out.append(item);
        }
    }

    // The item a node stands for, when it is one of this manager's.
    Item *itemOfNode(const QTreeWidgetItem *row) const
    {
        if (!row)
            return nullptr;
        for (Item *item : items) {
            if (item && itemprotocol::node(item) == row)
                return item;
        }
        return nullptr;
    }

    void writeItems(DataStream &stream) override
    {
        writeList(stream, [&stream](Item *item) { itemprotocol::writeRecord(item, stream); });
    }

    void readItems(DataStream &stream) override
    {
        readList(stream, [&stream](Item *item) { itemprotocol::readRecord(item, stream); });
    }

    void saveFirst(DataStream &stream) override
    {
        eachItem([&stream](Item *item) { itemprotocol::saveFirst(item, stream); });
    }

    // The reading passes fail on a stream that ran out or was damaged by an
    // earlier pass.
    bool loadFirst(DataStream &stream) override
    {
        return readingPass(stream, [&stream](Item *item) { return itemprotocol::loadFirst(item, stream); });
    }

    bool saveSecond(DataStream &stream) override
    {
        return allItems([&stream](Item *item) { return itemprotocol::saveSecond(item, stream); });
    }

    bool loadSecond(DataStream &stream) override
    {
        return readingPass(stream, [&stream](Item *item) { return itemprotocol::loadSecond(item, stream); });
    }

    bool updatePointers(bool second) override
    {
        return allItems([second](Item *item) { return itemprotocol::updatePointers(item, second); });
    }

    void saveWLFirst(DataStream &stream) override
    {
        eachItem([&stream](Item *item) { itemprotocol::saveWLFirst(item, stream); });
    }

    bool loadWLFirst(DataStream &stream) override
    {
        return readingPass(stream, [&stream](Item *item) { return itemprotocol::loadWLFirst(item, stream); });
    }

    bool saveWLSecond(DataStream &stream) override
    {
        return allItems([&stream](Item *item) { return itemprotocol::saveWLSecond(item, stream); });
    }

    bool loadWLSecond(DataStream &stream) override
    {
        return readingPass(stream, [&stream](Item *item) { return itemprotocol::loadWLSecond(item, stream); });
    }

    bool updateWLPointers() override
    {
        return allItems([](Item *item) { return itemprotocol::updateWLPointers(item); });
    }

    void check(QTreeWidget *results, int code) override
    {
        eachItem([&results, &code](Item *item) { itemprotocol::check(item, results, code); });
    }

    void printAll(QPainter *painter) override
    {
        if (items.isEmpty() || !painter || !CHECK_PTR(treeItem()))
            return;
        auto *device = dynamic_cast<QPagedPaintDevice *>(painter->device());
        const QHash<const QTreeWidgetItem *, Item *> index = nodeIndex();
        bool printed = false;
        for (int i = 0; i < treeItem()->childCount(); ++i) {
            Item *item = index.value(treeItem()->child(i), nullptr);
            if (!item)
                continue;
            if (printed && device)
                device->newPage();
            itemprotocol::printAll(item, painter);
            printed = true;
        }
    }

    void appendPages(QList<GraphicsScene *> &pages) override
    {
        if (items.isEmpty() || !CHECK_PTR(treeItem()))
            return;
        const QHash<const QTreeWidgetItem *, Item *> index = nodeIndex();
        for (int i = 0; i < treeItem()->childCount(); ++i) {
            if (Item *item = index.value(treeItem()->child(i), nullptr))
                itemprotocol::appendPages(item, pages);
        }
    }

    void saveClipboard(DataStream &stream) override
    {
        writeList(stream, [&stream](Item *item) { itemprotocol::saveClipboard(item, stream); });
    }

    void loadClipboard(DataStream &stream) override
    {
        readList(stream, [&stream](Item *item) { itemprotocol::loadClipboard(item, stream); });
    }

    void saveClipboardGeometry(DataStream &stream) override
    {
        eachItem([&stream](Item *item) { itemprotocol::saveClipboardGeometry(item, stream); });
    }

    void loadClipboardGeometry(DataStream &stream) override
    {
        eachItem([&stream](Item *item) { itemprotocol::loadClipboardGeometry(item, stream); });
    }

    // Reads a clipboard record of this manager's items and adds them. A
    // record that is not whole (another format, a wrong end mark, cut
    // short, damaged) adds nothing.
    bool pasteRecord(const QByteArray &record)
    {
        if (!CHECK_PTR(project()))
            return false;
        const qint32 current = DataStream::CurrentFormat;
        QByteArray bytes = record;
        DataStream stream(&bytes, QIODevice::ReadOnly);
        qint32 format = -1;
        stream >> format;
        if (stream.status() != QDataStream::Ok || format != current) {
            Project::refusePaste();
            return false;
        }
        stream.setFormatIndex(format);
        // The end mark is looked at before anything is created.
        qint32 endMark = 0;
        if (bytes.size() >= 8) {
            QByteArray tail = bytes.right(4);
            DataStream tailStream(&tail, QIODevice::ReadOnly);
            tailStream >> endMark;
        }
        if (endMark != ~current) {
            Project::refusePaste();
            return false;
        }

        project()->beginPaste();
        QList<Item *> pasted;
        bool ok = false;
        {
            // A check that fails while the record is read is damage too: no
            // box of its own, and nothing of the record is kept.
            CountedChecks quiet;
            qint32 count = 0;
            stream >> count;
            ok = stream.status() == QDataStream::Ok && plausibleCount(stream, count);
            for (qint32 i = 0; ok && i < count && stream.status() == QDataStream::Ok; ++i) {
                Item *item = new Item(project());
                if (!CHECK_PTR(item)) {
                    ok = false;
                    break;
                }
                pasted.append(item);
                itemprotocol::loadClipboard(item, stream);
            }
            ok = ok && stream.status() == QDataStream::Ok && pasted.size() == qMax(count, 0);
            if (ok) {
                for (Item *item : std::as_const(pasted))
                    itemprotocol::loadClipboardGeometry(item, stream);
            }
            qint32 mark = 0;
            stream >> mark;
            ok = ok && stream.status() == QDataStream::Ok && mark == endMark && stream.atEnd() && quiet.failed() == 0;
        }
        if (!ok) {
            // Nothing of a broken record stays: neither items nor the
            // objects, pins and identities they brought.
            project()->endPaste(false);
            qDeleteAll(pasted);
            Project::refusePaste();
            return false;
        }
        project()->endPaste(true);
        for (Item *item : std::as_const(pasted)) {
            appendItem(item, false);
            // The branch now holds data its side file does not.
            if (ProjectItemBase *row = itemprotocol::node(item))
                row->setParentChanged();
        }
        finishPaste();
        return true;
    }

protected:
    void *clickNewItem() override
    {
        QTreeWidget *tree = checkedTree();
        if (!tree)
            return nullptr;
        Item *item = nullptr;
        {
            DlgPropItem dialog(project());
            item = dialog.execDialog(nullptr);
        }
        if (!item)
            return nullptr;
        items.append(item);
        ProjectItemBase *row = itemprotocol::node(item);
        if (!CHECK_PTR(row))
            return nullptr;
        treeItem()->addChild(row);
        treeItem()->sortChildren(0, Qt::AscendingOrder);
        // The new row is shown and becomes current.
        for (QTreeWidgetItem *up = treeItem(); up; up = up->parent())
            up->setExpanded(true);
        tree->setCurrentItem(row);
        row->setParentChanged();
        return item;
    }

    void clickDeleteItem() override
    {
        QTreeWidget *tree = checkedTree();
        if (!tree)
            return;
        // The owners are gathered first: deleting one takes the rows below
        // it along, and those must not be looked at afterwards.
        const QList<QTreeWidgetItem *> selection = tree->selectedItems();
        const QHash<const QTreeWidgetItem *, Item *> index = nodeIndex();
        QList<Item *> doomed;
        for (const QTreeWidgetItem *row : selection) {
            Item *item = index.value(row, nullptr);
            if (item && !doomed.contains(item))
                doomed.append(item);
        }
        for (Item *item : std::as_const(doomed)) {
            items.removeAll(item);
            if (ProjectItemBase *row = itemprotocol::node(item))
                row->setParentChanged();
            delete item;
        }
    }

    void clickPropertyItem() override
    {
        QTreeWidget *tree = checkedTree();
        if (!tree)
            return;
        auto *row = dynamic_cast<ProjectItemBase *>(tree->currentItem());
        Item *item = itemOfNode(row);
        if (!item)
            return;
        Item *edited = nullptr;
        {
            DlgPropItem dialog(project());
            edited = dialog.execDialog(item);
        }
        if (!edited)
            return;
        tree->sortItems(0, Qt::AscendingOrder);
        row->setParentChanged();
        itemprotocol::markChanged(item);
    }

    void clickPrintItem() override
    {
        QTreeWidget *tree = checkedTree();
        if (!tree)
            return;
        const QList<QTreeWidgetItem *> selection = tree->selectedItems();
        if (selection.isEmpty())
            return;
        QPrinter printer(QPrinter::HighResolution);
        printer.setFullPage(true);
        QPrintDialog dialog(&printer);
        dialog.setWindowTitle(ItemMenagerBase::tr("Print pages"));
        if (execModal(&dialog) != QDialog::Accepted)
            return;
        QPainter painter;
        if (!beginPainting(painter, printer))
            return;
        const QHash<const QTreeWidgetItem *, Item *> index = nodeIndex();
        bool printed = false;
        for (const QTreeWidgetItem *row : selection) {
            Item *item = index.value(row, nullptr);
            if (!item)
                continue;
            if (printed)
                printer.newPage();
            itemprotocol::printAll(item, &painter);
            printed = true;
        }
        endPainting(painter, printer);
    }

    void clickSavePdfFiles() override
    {
        QTreeWidget *tree = checkedTree();
        if (!tree)
            return;
        const QList<QTreeWidgetItem *> selection = tree->selectedItems();
        if (selection.isEmpty())
            return;
        QString name = askSaveFileName(tree, ItemMenagerBase::tr("Save PDF files"),
                                       QCoreApplication::applicationDirPath(), QStringLiteral("*.pdf"));
        if (name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            name.chop(4);
        if (name.isEmpty())
            return;
        QList<GraphicsScene *> pages;
        const QHash<const QTreeWidgetItem *, Item *> index = nodeIndex();
        for (const QTreeWidgetItem *row : selection) {
            if (Item *item = index.value(row, nullptr))
                itemprotocol::appendPages(item, pages);
        }
        if (CHECK(pdfWriter() != nullptr))
            pdfWriter()(pages, name);
    }

    void copy() override
    {
        QList<Item *> list;
        selectedItems(list);
        if (list.isEmpty())
            return;
        const char *format = mimeType();
        if (!CHECK_PTR(format) || !CHECK_PTR(project()))
            return;
        QByteArray bytes;
        {
            DataStream stream(&bytes, QIODevice::WriteOnly);
            stream.setFormatIndex(DataStream::CurrentFormat);
            stream << qint32(DataStream::CurrentFormat) << qint32(list.size());
            for (Item *item : std::as_const(list))
                itemprotocol::saveClipboard(item, stream);
            for (Item *item : std::as_const(list))
                itemprotocol::saveClipboardGeometry(item, stream);
            stream << qint32(~qint32(DataStream::CurrentFormat));
        }
        QClipboard *clipboard = QGuiApplication::clipboard();
        auto *data = new QMimeData();
        if (!CHECK(clipboard != nullptr)) {
            delete data;
            return;
        }
        data->setData(QString::fromLatin1(format), bytes);
        clipboard->setMimeData(data, QClipboard::Clipboard);
    }

    void paste() override
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        const char *format = mimeType();
        if (!CHECK(clipboard && format))
            return;
        const QMimeData *data = clipboard->mimeData(QClipboard::Clipboard);
        if (!CHECK_PTR(data))
            return;
        const QString type = QString::fromLatin1(format);
        if (!data->hasFormat(type))
            return;
        pasteRecord(data->data(type));
    }

    // The items, owned, in the order they were added.
    QList<Item *> items;

    // Runs a step on every item in list order (a copy of the list: a step
    // may change it).
    template <class Step>
    void eachItem(Step step)
    {
        const QList<Item *> snapshot = items;
        for (Item *item : snapshot) {
            if (CHECK_PTR(item))
                step(item);
        }
    }

    // Runs a step on every item in list order until one fails (a copy of
    // the list: a step may change it).
    template <class Step>
    bool allItems(Step step)
    {
        const QList<Item *> snapshot = items;
        for (Item *item : snapshot) {
            if (!CHECK_PTR(item) || !step(item))
                return false;
        }
        return true;
    }

private:
    void sortChildren()
    {
        if (treeItem())
            treeItem()->sortChildren(0, Qt::AscendingOrder);
    }

    QHash<const QTreeWidgetItem *, Item *> nodeIndex() const
    {
        QHash<const QTreeWidgetItem *, Item *> index;
        index.reserve(items.size());
        for (Item *item : items) {
            if (item)
                index.insert(itemprotocol::node(item), item);
        }
        return index;
    }

    // An item count, then a record per item.
    template <class Write>
    void writeList(DataStream &stream, Write write)
    {
        stream << qint32(items.size());
        eachItem(write);
    }

    // Reads what writeList wrote: a new item per record, sorted into the
    // tree once at the end. A count beyond the bytes left is damage.
    template <class Read>
    void readList(DataStream &stream, Read read)
    {
        qint32 count = 0;
        stream >> count;
        // A negative count, or one beyond the bytes left, is damage.
        if (!stream.checkCount(count) || count == 0)
            return;
        for (qint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
            Item *item = new Item(project());
            if (!CHECK_PTR(item))
                continue;
            appendItem(item, false);
            read(item);
        }
        sortChildren();
    }

    template <class Step>
    bool readingPass(DataStream &stream, Step step)
    {
        if (stream.status() != QDataStream::Ok)
            return false;
        return allItems(step) && stream.status() == QDataStream::Ok;
    }
};

#endif
