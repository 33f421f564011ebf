#include "graphics/dlgprop.h"
#include "graphics/rbrushstylecombobox.h"
#include "graphics/rcolorpushbutton.h"
#include "graphics/rcombobox.h"
#include "graphics/rfontpushbutton.h"
#include "graphics/rlineedit.h"
#include "graphics/rpenstylecombobox.h"
#include "graphics/rspinboxdelegate.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "support/modalrecorder.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFontDialog>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextDocument>
#include <QTextTable>
#include <QTimer>
#include <QtTest>

namespace {

// A dialog whose Ok refuses while its fields are not valid.
class ValidatingDlg : public DlgProp
{
public:
    ValidatingDlg()
        : DlgProp(nullptr)
    {
        auto *layout = new RVBoxLayout(this, 5, 5);
        layout->addWidget(new RLineEdit(this, 100));
        addButtons(layout);
    }
    int okCalls = 0;
    bool valid = true;

protected:
    void btnOkClick() override
    {
        ++okCalls;
        if (valid)
            accept();
    }
};

ModalRecorder::Answer clickText(const QString &text)
{
    return [text](QDialog *d) {
        for (QPushButton *b : d->findChildren<QPushButton *>())
            if (b->text() == text)
                b->click();
        return d->result();
    };
}

QStringList texts(QTreeWidget *tree, bool selectedOnly)
{
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        if (!selectedOnly || tree->topLevelItem(i)->isSelected())
            out << tree->topLevelItem(i)->text(0);
    return out;
}

void fillTree(QTreeWidget *tree, const QStringList &names)
{
    for (const QString &name : names)
        new QTreeWidgetItem(tree, QStringList{name});
}

QStringList clipboardLines()
{
    return QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
}

// The first table of an HTML text, row by row, each cell as its text with
// "*" in front when it is bold.
QList<QStringList> htmlTable(const QString &html)
{
    QList<QStringList> rows;
    QTextDocument doc;
    doc.setHtml(html);
    for (QTextFrame *frame : doc.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        for (int r = 0; table && r < table->rows(); ++r) {
            QStringList row;
            for (int c = 0; c < table->columns(); ++c) {
                QTextTableCell cell = table->cellAt(r, c);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
                QTextCursor first = cell.firstCursorPosition();
                first.movePosition(QTextCursor::NextCharacter);
                row << (first.charFormat().fontWeight() >= QFont::Bold ? "*" : "") + cursor.selectedText();
            }
            rows << row;
        }
    }
    return rows;
}

// Answers the next pop-up menu from inside its event loop (first entry or
// Escape) and records whether one was open.
void answerPopup(bool choose, bool *seen)
{
    *seen = false;
    QTimer::singleShot(0, [choose, seen]() {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        *seen = menu != nullptr;
        if (menu && choose)
            menu->setActiveAction(menu->actions().value(0));
        if (menu)
            QTest::keyClick(menu, choose ? Qt::Key_Return : Qt::Key_Escape);
    });
}

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void sizeHintsFromConstructorWidths()
    {
        const QSize edit = QLineEdit().sizeHint();
        QCOMPARE(RLineEdit(nullptr, 120).sizeHint(), QSize(120, edit.height()));
        QCOMPARE(RLineEdit(nullptr, 0).sizeHint(), edit);
        RComboBox combo(nullptr, 200);
        QCOMPARE(combo.sizeHint(), QSize(200, QComboBox().sizeHint().height()));
        combo.addItem(QString(80, QChar('W'))); // fixed: a long item doesn't widen it
        QCOMPARE(combo.sizeHint().width(), 200);
        QCOMPARE(RTreeWidget(nullptr, 300, 0).sizeHint(), QSize(300, 0));
        QCOMPARE(RTreeWidget(nullptr, 0, 0).sizeHint(), QTreeWidget().sizeHint());
    }

    void lineEditReportsKeyChangesOnly()
    {
        RLineEdit edit(nullptr, 0);
        QSignalSpy modified(&edit, &RLineEdit::textModification);
        QSignalSpy focused(&edit, &RLineEdit::enterFocus);
        edit.setText("K1");
        QTest::keyClick(&edit, Qt::Key_2);
        QTest::keyClick(&edit, Qt::Key_Left);
        QTest::keyClick(&edit, Qt::Key_End);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(modified.count(), 2);
        QCOMPARE(modified.at(0).at(0).toString(), QString("K12"));
        QCOMPARE(modified.at(1).at(0).toString(), QString("K1"));
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&edit, &focusIn);
        QCOMPARE(focused.count(), 1);
    }

    void comboSortedInsertAndData()
    {
        RComboBox combo(nullptr, 0);
        QCOMPARE(combo.comboCurrentData(), 0);
        const QStringList in{"B", "A", "D", "A", "a"};
        for (int i = 0; i < in.size(); ++i)
            combo.insertComboItemSorted(in[i], i + 1);
        QStringList order;
        for (int i = 0; i < combo.count(); ++i)
            order << combo.itemText(i) + QString::number(combo.itemData(i).toInt());
        QCOMPARE(order, (QStringList{"A2", "A4", "B1", "D3", "a5"}));
        combo.setCurrentIndex(3);
        QCOMPARE(combo.comboCurrentData(), 3);
    }

    void treeSortsAndCopiesEscapedTable()
    {
        RTreeWidget tree(nullptr, 0, 0);
        QVERIFY(!tree.rootIsDecorated() && tree.alternatingRowColors() && tree.isSortingEnabled());
        tree.setHeaderLabels({"Name", "Type", "Note"});
        new QTreeWidgetItem(&tree, QStringList{"K2", "relay", "a"});
        auto *k1 = new QTreeWidgetItem(&tree, QStringList{"K1", "R<1 & K>2", "<b>x</b>"});
        new QTreeWidgetItem(k1, QStringList{"child", "not", "copied"});

        QGuiApplication::clipboard()->clear();
        tree.copy();
        const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(clipboardLines(), (QStringList{"Name", "Type", "Note", "K1", "R<1 & K>2", "<b>x</b>",
                                                "K2", "relay", "a"}));
        QVERIFY(mime->html().contains("R&lt;1 &amp; K&gt;2"));
        QCOMPARE(htmlTable(mime->html()), (QList<QStringList>{{"*Name", "*Type", "*Note"},
                                                               {"K1", "R<1 & K>2", "<b>x</b>"},
                                                               {"K2", "relay", "a"}}));

        tree.sortByColumn(0, Qt::DescendingOrder);
        tree.copy();
        QCOMPARE(clipboardLines().mid(3, 4), (QStringList{"K2", "relay", "a", "K1"}));
    }

    void treeCopyMenuAndSwitch()
    {
        RTreeWidget tree(nullptr, 300, 200);
        tree.setHeaderLabels({"Name"});
        fillTree(&tree, {"A", "B"});
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        const QPoint onRow = tree.visualItemRect(tree.topLevelItem(1)).center();
        bool seen = false;

        QGuiApplication::clipboard()->setText("sentinel");
        answerPopup(false, &seen);
        QTest::mouseRelease(tree.viewport(), Qt::RightButton, {}, onRow);
        QVERIFY(seen);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("sentinel"));

        answerPopup(true, &seen);
        QTest::mouseRelease(tree.viewport(), Qt::RightButton, {}, onRow);
        QVERIFY(seen);
        QCOMPARE(clipboardLines(), (QStringList{"Name", "A", "B"}));

        QGuiApplication::clipboard()->setText("sentinel");
        tree.setClipboardMenuEnabled(false);
        answerPopup(false, &seen);
        QTest::mouseRelease(tree.viewport(), Qt::RightButton, {}, onRow);
        QTest::qWait(20);
        QVERIFY(!seen);
        tree.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("sentinel"));
    }

    void spinBoxDelegateEditsCell()
    {
        QStandardItemModel model(2, 2);
        const QModelIndex index = model.index(1, 1);
        model.setData(index, 12);
        QTableView view;
        RSpinBoxDelegate delegate(&view);
        view.setItemDelegate(&delegate);
        view.setModel(&model);
        view.setColumnWidth(1, 120);
        view.setRowHeight(1, 40);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        view.edit(index);
        auto *spin = view.viewport()->findChild<QSpinBox *>();
        QVERIFY(spin);
        QCOMPARE(spin->minimum(), 0);
        QCOMPARE(spin->maximum(), 250);
        QCOMPARE(spin->value(), 12);
        QCOMPARE(spin->geometry(), QRect(view.visualRect(index).topLeft(), QSize(45, 20)));
        auto *spinEdit = spin->findChild<QLineEdit *>();
        spinEdit->selectAll();
        QTest::keyClicks(spinEdit, "77");
        QTest::keyClick(spin, Qt::Key_Return);
        QTRY_COMPARE(model.data(index).toInt(), 77);
        QCOMPARE(model.data(index, Qt::EditRole).typeId(), int(QMetaType::Int));
    }

    void colorAndFontButtons()
    {
        ModalRecorder rec;
        RColorPushButton color(nullptr);
        QVERIFY(!color.color().isValid());
        const int side = qMin(color.sizeHint().width(), color.sizeHint().height()) - 4;
        color.setColor(Qt::blue);
        QCOMPARE(color.icon().availableSizes().value(0), QSize(side, side));
        const qint64 key = color.icon().cacheKey();
        QColor offered;
        rec.handle([&offered](QDialog *d) {
            auto *dlg = qobject_cast<QColorDialog *>(d);
            offered = dlg->currentColor();
            dlg->setCurrentColor(Qt::red);
            dlg->reject();
        });
        color.click();
        QCOMPARE(offered, QColor(Qt::blue));
        QCOMPARE(color.color(), QColor(Qt::blue));
        QCOMPARE(color.icon().cacheKey(), key);
        rec.handle([](QDialog *d) {
            qobject_cast<QColorDialog *>(d)->setCurrentColor(Qt::red);
            d->accept();
        });
        color.click();
        QCOMPARE(color.color(), QColor(Qt::red));
        QCOMPARE(color.icon().pixmap(64, 64).toImage().pixelColor(1, 1), QColor(Qt::red));

        RFontPushButton font(nullptr);
        QFont f("R LAY R");
        f.setPointSize(25);
        font.setSelectedFont(f);
        QCOMPARE(font.text(), QString("R LAY R, 25"));
        int offeredSize = 0;
        rec.handle([&offeredSize](QDialog *d) {
            auto *dlg = qobject_cast<QFontDialog *>(d);
            offeredSize = dlg->currentFont().pointSize();
            dlg->setCurrentFont(QFont("Other", 9));
            dlg->reject();
        });
        font.click();
        QCOMPARE(offeredSize, 25);
        QCOMPARE(font.selectedFont(), f);
        rec.handle([](QDialog *d) {
            auto *dlg = qobject_cast<QFontDialog *>(d);
            QFont other = dlg->currentFont();
            other.setPointSize(14);
            dlg->setCurrentFont(other);
            dlg->accept();
        });
        font.click();
        QCOMPARE(font.selectedFont().pointSize(), 14);
        QVERIFY(font.text().endsWith(", 14"));
        QCOMPARE(rec.count(), 4);
    }

    void styleCombos()
    {
        ModalRecorder rec;
        RPenStyleComboBox pen(nullptr);
        QCOMPARE(pen.count(), 5);
        for (int i = 0; i < pen.count(); ++i)
            QVERIFY(pen.itemData(i).toInt() == i + 1 && pen.itemText(i).isEmpty());
        QCOMPARE(pen.currentPenStyle(), int(Qt::SolidLine));
        pen.setCurrentPenStyle(int(Qt::DashDotLine));
        QCOMPARE(pen.currentPenStyle(), int(Qt::DashDotLine));
        QCOMPARE(rec.count(), 0);
        pen.setCurrentPenStyle(int(Qt::NoPen)); // not offered: reported, selection kept
        QCOMPARE(rec.count(), 1);
        QVERIFY(rec.shown[0].text.endsWith("FALSE expression"));
        QCOMPARE(pen.currentPenStyle(), int(Qt::DashDotLine));
        pen.setCurrentIndex(-1);
        QCOMPARE(pen.currentPenStyle(), int(Qt::SolidLine));
        QCOMPARE(rec.count(), 2);

        RBrushStyleComboBox brush(nullptr);
        QCOMPARE(brush.count(), 15);
        const QMetaEnum styles = QMetaEnum::fromType<Qt::BrushStyle>();
        for (int i = 0; i < brush.count(); ++i)
            QVERIFY(brush.itemData(i).toInt() == i && brush.itemText(i) == styles.valueToKey(i));
        QCOMPARE(brush.currentBrushStyle(), int(Qt::SolidPattern));
        brush.setCurrentBrushStyle(int(Qt::NoBrush));
        QCOMPARE(brush.currentBrushStyle(), int(Qt::NoBrush));
        brush.setCurrentBrushStyle(int(Qt::LinearGradientPattern));
        QCOMPARE(rec.count(), 3);
        QCOMPARE(brush.currentBrushStyle(), int(Qt::NoBrush));
    }

    void dialogOkValidatesCancelRejects()
    {
        ModalRecorder rec;
        ValidatingDlg dlg;
        auto *main = qobject_cast<QBoxLayout *>(dlg.layout());
        auto *row = main->itemAt(main->count() - 1)->layout();
        QCOMPARE(row->count(), 3); // stretch, Ok, Cancel
        QVERIFY(row->itemAt(0)->spacerItem());
        auto *ok = qobject_cast<QPushButton *>(row->itemAt(1)->widget());
        QCOMPARE(ok->text(), QString("Ok"));
        QVERIFY(ok->isDefault());
        QCOMPARE(qobject_cast<QPushButton *>(row->itemAt(2)->widget())->text(), QString("Cancel"));

        dlg.valid = false;
        rec.answer(clickText("Ok"));
        QCOMPARE(execModal(&dlg), int(QDialog::Rejected));
        dlg.valid = true;
        rec.answer(clickText("Ok"));
        QCOMPARE(execModal(&dlg), int(QDialog::Accepted));
        rec.answer(clickText("Cancel"));
        QCOMPARE(execModal(&dlg), int(QDialog::Rejected));
        QCOMPARE(dlg.okCalls, 2);
        // Enter in a field presses the default button, so Ok is validated.
        rec.handle([](QDialog *d) {
            d->show();
            QTest::keyClick(d->findChild<RLineEdit *>(), Qt::Key_Return);
        });
        QCOMPARE(execModal(&dlg), int(QDialog::Accepted));
        QCOMPARE(dlg.okCalls, 3);

        DlgProp plain(nullptr);
        plain.addButtons(new RVBoxLayout(&plain, 5, 5));
        rec.answer(clickText("Ok"));
        QCOMPARE(execModal(&plain), int(QDialog::Accepted));
    }

    void removeTreeItemSelectsSuccessor()
    {
        DlgProp dlg(nullptr);
        QTreeWidget tree;
        fillTree(&tree, {"A", "B", "C", "D"});
        dlg.removeTreeItem(&tree, tree.topLevelItem(1));
        QCOMPARE(texts(&tree, false), (QStringList{"A", "C", "D"}));
        QCOMPARE(texts(&tree, true), QStringList{"C"});
        dlg.removeTreeItem(&tree, tree.topLevelItem(2));
        QCOMPARE(texts(&tree, true), QStringList{"C"});
        // A child row goes too, leaving nothing selected.
        dlg.removeTreeItem(&tree, new QTreeWidgetItem(tree.topLevelItem(0), QStringList{"a1"}));
        QCOMPARE(tree.topLevelItem(0)->childCount(), 0);
        QVERIFY(tree.selectedItems().isEmpty());
        dlg.removeTreeItem(&tree, tree.topLevelItem(0));
        dlg.removeTreeItem(&tree, tree.topLevelItem(0));
        QCOMPARE(tree.topLevelItemCount(), 0);
        QVERIFY(tree.selectedItems().isEmpty());
    }

    void findAndSelectInTree()
    {
        ModalRecorder rec;
        DlgProp dlg(nullptr);
        QTreeWidget tree;
        fillTree(&tree, {"K10", "K20", "K21", "HL1", "HL2"});
        QCOMPARE(selectedTreeItem(&tree, "relay"), nullptr);
        QCOMPARE(rec.texts(), QStringList{"Need selected relay !"});

        dlg.findInTree(&tree, "  K2 ", Qt::MatchStartsWith, 0);
        QCOMPARE(texts(&tree, true), QStringList{"K20"});
        QCOMPARE(selectedTreeItem(&tree, "relay"), tree.topLevelItem(1));
        dlg.findInTree(&tree, "hl2", Qt::MatchStartsWith, 0);
        QCOMPARE(texts(&tree, true), QStringList{"HL2"});
        dlg.findInTree(&tree, "X", Qt::MatchStartsWith, 0);
        QVERIFY(tree.selectedItems().isEmpty());
        dlg.findInTree(&tree, "   ", Qt::MatchStartsWith, 0);
        QCOMPARE(texts(&tree, true), QStringList{"K10"});
        dlg.findInTree(&tree, "K21", Qt::MatchStartsWith, 0);
        dlg.findInTree(&tree, "", Qt::MatchStartsWith, 0);
        QCOMPARE(texts(&tree, true), QStringList{"K10"});
        dlg.selectTreeItem(&tree, nullptr);
        QVERIFY(tree.selectedItems().isEmpty());
        QCOMPARE(rec.count(), 1);
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
