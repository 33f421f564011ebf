// The scheme properties dialog with its preview, and the scheme group
// properties dialog, driven as modal dialogs.

#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "model/project.h"
#include "schemes/dlgpropscheme.h"
#include "schemes/dlgpropschemegroup.h"
#include "schemes/framepageview.h"
#include "schemes/scheme.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/modalrecorder.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

namespace {

QStringList comboTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i) + "=" + combo->itemData(i).toString();
    return texts;
}

// Counts the preview's paint events.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

SchemeGroup *addGroup(Project &p, int atr)
{
    auto *group = new SchemeGroup(&p);
    group->setAtrNumber(atr);
    p.schemes()->appendItem(group);
    return group;
}

} // namespace

class TestDlgPropScheme : public QObject
{
    Q_OBJECT

private slots:
    void schemeDialogWidgets()
    {
        Project p(nullptr, nullptr);
        DlgPropScheme dialog(&p);
        QCOMPARE(comboTexts(dialog.formatCombo()),
                 QStringList({"A4 ( 210 x 297 ) =0", "A3 ( 297 x 420 ) =1", "A2 ( 420 x 594 ) =2",
                              "A1 ( 594 x 841 ) =3", "A0 ( 841 x 1189 ) =4"}));
        QCOMPARE(dialog.formatCombo()->currentIndex(), 1);
        QCOMPARE(dialog.numberSpin()->minimum(), 1);
        QCOMPARE(dialog.acrossSpin()->minimum(), 1);
        QCOMPARE(dialog.acrossSpin()->maximum(), 10);
        QCOMPARE(dialog.acrossSpin()->value(), 1);
        QVERIFY(dialog.landscapeButton()->isChecked());
        QVERIFY(!dialog.portraitButton()->isChecked());
        QCOMPARE(comboTexts(dialog.bindingCombo()), QStringList({"Left=0", "Top=1"}));
        QCOMPARE(dialog.bindingCombo()->currentIndex(), 0);
        QCOMPARE(comboTexts(dialog.borderCombo()), QStringList({"Big=0", "Small=1"}));
        QCOMPARE(dialog.borderCombo()->currentIndex(), 1);
        QCOMPARE(dialog.preview()->minimumHeight(), 80);
        QVERIFY(!dialog.preview()->isPortrait());
        QCOMPARE(dialog.preview()->sheetsAcross(), 1);
        QVERIFY(!dialog.parent());
    }

    void newSchemeOnlyOnOk()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        {
            DlgPropScheme dialog(&p);
            rec.reject();
            QVERIFY(!dialog.execDialog(nullptr));
            QVERIFY(!dialog.object());
        }
        DlgPropScheme dialog(&p);
        rec.handle([](QDialog *d) {
            auto *dlg = qobject_cast<DlgPropScheme *>(d);
            QVERIFY(dlg);
            dlg->commentEdit()->setText("  supply   of   relays ");
            dlg->numberSpin()->setValue(4);
            dlg->formatCombo()->setCurrentIndex(2);
            dlg->acrossSpin()->setValue(3);
            dlg->portraitButton()->click();
            dlg->bindingCombo()->setCurrentIndex(1);
            dlg->borderCombo()->setCurrentIndex(0);
            pressButton(dlg, "Ok");
        });
        std::unique_ptr<Scheme> scheme(dialog.execDialog(nullptr));
        QVERIFY(scheme);
        QCOMPARE(rec.count(), 2);
        QCOMPARE(scheme->name(), QString("supply of relays"));
        QCOMPARE(scheme->number(), 4);
        QCOMPARE(scheme->pageSize(), int(GraphicsScene::PaperA2));
        QVERIFY(!scheme->isLandscape());
        QCOMPARE(scheme->sheetsAcross(), 3);
        QCOMPARE(scheme->sceneRect(), QRectF(0, 0, 4200 * 3, 5940));
        QCOMPARE(scheme->bindingPosition(), int(GraphicsScene::BindingTop));
        QCOMPARE(scheme->borderType(), int(GraphicsScene::BorderBig));

        // Untouched, a new scheme is an A3 sheet, landscape, one across,
        // bound at the left with the small border.
        DlgPropScheme plain(&p);
        rec.handle([](QDialog *d) { pressButton(d, "Ok"); });
        std::unique_ptr<Scheme> defaults(plain.execDialog(nullptr));
        QVERIFY(defaults);
        QCOMPARE(defaults->pageSize(), int(GraphicsScene::PaperA3));
        QVERIFY(defaults->isLandscape());
        QCOMPARE(defaults->sheetsAcross(), 1);
        QCOMPARE(defaults->number(), 1);
        QCOMPARE(defaults->bindingPosition(), int(GraphicsScene::BindingLeft));
        QCOMPARE(defaults->borderType(), int(GraphicsScene::BorderSmall));
    }

    void existingSchemeShownAndEdited()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        SchemeGroup *group = addGroup(p, 2);
        auto *scheme = new Scheme(&p);
        scheme->setSheetFormat(GraphicsScene::PaperA2, true, 3);
        scheme->setBindingPosition(GraphicsScene::BindingTop);
        scheme->setBorderType(GraphicsScene::BorderBig);
        scheme->setName("old");
        scheme->setNumber(6);
        group->appendItem(scheme);

        DlgPropScheme dialog(&p);
        rec.handle([](QDialog *d) {
            auto *dlg = qobject_cast<DlgPropScheme *>(d);
            QCOMPARE(dlg->formatCombo()->currentIndex(), 2);
            QCOMPARE(dlg->acrossSpin()->value(), 3);
            QVERIFY(dlg->landscapeButton()->isChecked());
            QCOMPARE(dlg->bindingCombo()->currentData().toInt(), 1);
            QCOMPARE(dlg->borderCombo()->currentData().toInt(), 0);
            QCOMPARE(dlg->commentEdit()->text(), QString("old"));
            QCOMPARE(dlg->numberSpin()->value(), 6);
            QVERIFY(!dlg->preview()->isPortrait());
            QCOMPARE(dlg->preview()->sheetsAcross(), 3);
            dlg->formatCombo()->setCurrentIndex(0);
            dlg->acrossSpin()->setValue(1);
            pressButton(dlg, "Ok");
        });
        QCOMPARE(dialog.execDialog(scheme), scheme);
        QCOMPARE(scheme->pageSize(), int(GraphicsScene::PaperA4));
        QCOMPARE(scheme->sheetsAcross(), 1);
        QCOMPARE(scheme->sceneRect(), QRectF(0, 0, 2970, 2100));
        QCOMPARE(scheme->name(), QString("old"));

        // Cancel leaves the scheme as it was.
        DlgPropScheme cancelled(&p);
        rec.handle([](QDialog *d) {
            auto *dlg = qobject_cast<DlgPropScheme *>(d);
            dlg->numberSpin()->setValue(9);
            pressButton(dlg, "Cancel");
        });
        QVERIFY(!cancelled.execDialog(scheme));
        QCOMPARE(scheme->number(), 6);
        QCOMPARE(rec.count(), 2);
    }

    void unknownFlagsFailTheirCheck()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        Scheme scheme(&p);
        scheme.setSheetFormat(GraphicsScene::PaperA3, false, 1);
        scheme.setBorderType(7);
        DlgPropScheme dialog(&p);
        // The check's box comes first.
        rec.reject();
        rec.handle([](QDialog *d) {
            auto *dlg = qobject_cast<DlgPropScheme *>(d);
            QVERIFY(dlg);
            // The border combo stays where it was.
            QCOMPARE(dlg->borderCombo()->currentIndex(), 1);
            QVERIFY(dlg->portraitButton()->isChecked());
            d->reject();
        });
        QVERIFY(!dialog.execDialog(&scheme));
        QCOMPARE(rec.count(), 2);
        QVERIFY(rec.texts().first().endsWith("FALSE expression"));
    }

    void previewFollowsTheChoices()
    {
        Project p(nullptr, nullptr);
        DlgPropScheme dialog(&p);
        dialog.resize(400, 500);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        FramePageView *preview = dialog.preview();
        PaintCounter counter;
        preview->installEventFilter(&counter);

        dialog.acrossSpin()->setValue(3);
        QCOMPARE(preview->sheetsAcross(), 3);
        QVERIFY(counter.paints >= 1);
        const int before = counter.paints;
        dialog.portraitButton()->click();
        QVERIFY(preview->isPortrait());
        QVERIFY(counter.paints > before);
        dialog.landscapeButton()->click();
        QVERIFY(!preview->isPortrait());

        // Landscape A4 papers, 64 high inside the margin of 8.
        const QList<QRect> rects = preview->sheetRects();
        QCOMPARE(rects.size(), 3);
        const int h = 80 - 16;
        const int w = (210 * h) / 297;
        QCOMPARE(rects[0].size(), QSize(h, w));
        QCOMPARE(rects[1].left(), rects[0].left() + h);
        QCOMPARE(rects[0].top(), 8 + (preview->height() - 16 - w) / 2);
        QCOMPARE(rects[0].left(), 8 + (preview->width() - 16 - 3 * h) / 2);
        preview->setPage(true, 1);
        QCOMPARE(preview->sheetRects().first().size(), QSize(w, h));

        // What is painted is white papers with black outlines.
        QImage shot(preview->size(), QImage::Format_ARGB32);
        shot.fill(Qt::red);
        preview->render(&shot);
        const QRect paper = preview->sheetRects().first();
        QCOMPARE(QColor(shot.pixel(paper.center())), QColor(Qt::white));
        // The antialiased outline covers the edge pixels half.
        QVERIFY(QColor(shot.pixel(paper.left(), paper.center().y())).value() < 200);
    }

    void groupDialogWidgetsAndDefaults()
    {
        Project p(nullptr, nullptr);
        DlgPropSchemeGroup dialog(&p);
        QCOMPARE(dialog.atrSpin()->minimum(), 0);
        QCOMPARE(dialog.atrSpin()->maximum(), 999);
        QCOMPARE(dialog.atrSpin()->value(), 1);
        for (int i = 4; i < 16; ++i)
            QVERIFY(dialog.memberEdit(i));
        QVERIFY(!dialog.memberEdit(3));
        QVERIFY(!dialog.memberEdit(16));
        // Six rows of two: 4 to 9 on the left, 10 to 15 on the right.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.memberEdit(4)->y(), dialog.memberEdit(10)->y());
        QVERIFY(dialog.memberEdit(4)->x() < dialog.memberEdit(10)->x());
        QVERIFY(dialog.memberEdit(9)->y() > dialog.memberEdit(4)->y());
        QCOMPARE(dialog.memberEdit(9)->x(), dialog.memberEdit(4)->x());
    }

    void groupPropertiesFallBackToTheProject()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        for (int i = 0; i < Project::PropertyCount; ++i)
            p.setProjectProperty(i, QString("P%1").arg(i));
        SchemeGroup *group = addGroup(p, 5);
        group->setComment("power");
        group->setSchemesName("Line one\nline two");
        QVERIFY(group->setOwnProperty(7, "Ivanov"));
        auto *scheme = new Scheme(&p);
        scheme->setNumber(1);
        group->appendItem(scheme);
        p.setModified(false);

        DlgPropSchemeGroup dialog(&p);
        rec.handle([](QDialog *d) {
            auto *dlg = qobject_cast<DlgPropSchemeGroup *>(d);
            QVERIFY(dlg);
            QCOMPARE(dlg->atrSpin()->value(), 5);
            QCOMPARE(dlg->commentEdit()->text(), QString("power"));
            QCOMPARE(dlg->schemesNameEdit()->toPlainText(), QString("Line one\nline two"));
            // Only the group's own members: an empty field is the
            // project's value.
            QCOMPARE(dlg->memberEdit(7)->text(), QString("Ivanov"));
            QCOMPARE(dlg->memberEdit(8)->text(), QString());
            dlg->memberEdit(7)->setText("");
            dlg->memberEdit(12)->setText("Orlov");
            dlg->commentEdit()->setText("  main   power ");
            dlg->atrSpin()->setValue(6);
            dlg->schemesNameEdit()->setPlainText("Power\nsupply");
            pressButton(dlg, "Ok");
        });
        QCOMPARE(dialog.execDialog(group), group);
        QCOMPARE(group->comment(), QString("main power"));
        QCOMPARE(group->atrNumber(), 6);
        QCOMPARE(group->schemesName(), QString("Power\nsupply"));
        QCOMPARE(group->treeItem()->text(0), QString("ATR 06"));
        QCOMPARE(group->treeItem()->text(1), QString("main power"));
        QCOMPARE(scheme->property(7), QString("P7"));
        QCOMPARE(scheme->property(12), QString("Orlov"));
        QCOMPARE(group->projectProperty(12, true), QString("Orlov"));
        QCOMPARE(scheme->displayName().left(6), QString(" 06_01"));
        QVERIFY(p.isModified());

        // The same members again do not mark the project.
        p.setModified(false);
        DlgPropSchemeGroup again(&p);
        rec.handle([](QDialog *d) { pressButton(d, "Ok"); });
        QCOMPARE(again.execDialog(group), group);
        QVERIFY(!p.isModified());
        QCOMPARE(group->projectProperty(12, true), QString("Orlov"));
        QCOMPARE(rec.count(), 2);
    }

    void newGroupOnlyOnOk()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        {
            DlgPropSchemeGroup dialog(&p);
            rec.reject();
            QVERIFY(!dialog.execDialog(nullptr));
        }
        DlgPropSchemeGroup dialog(&p);
        rec.handle([](QDialog *d) {
            auto *dlg = qobject_cast<DlgPropSchemeGroup *>(d);
            dlg->memberEdit(4)->setText("Petrov");
            pressButton(dlg, "Ok");
        });
        std::unique_ptr<SchemeGroup> group(dialog.execDialog(nullptr));
        QVERIFY(group);
        QCOMPARE(group->atrNumber(), 1);
        QCOMPARE(group->treeItem()->text(0), QString("ATR 01"));
        QCOMPARE(group->projectProperty(4, true), QString("Petrov"));
        QCOMPARE(rec.count(), 2);
    }
};

QTEST_MAIN(TestDlgPropScheme)
#include "tst_dlgpropscheme.moc"
