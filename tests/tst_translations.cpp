#include "app/dlgsettings.h"
#include "app/translations.h"
#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "model/project.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"

#include <QDir>
#include <QPainter>
#include <QtTest>

namespace {

class Sheet : public GraphicsScene
{
public:
    explicit Sheet(Project *project)
        : GraphicsScene(project)
    {
    }
    int groupNumber() const override { return 2; }
};

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { createScreenFonts(); }
    void cleanupTestCase() { deleteFonts(); }

    // The build's Russian file, loaded by the start-up rule from the
    // directory the program starts in, puts words into the stamp.
    void russianStampHasNoKeys()
    {
        ModalRecorder rec;
        const QString started = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QStringLiteral(RLAY_TRANSLATIONS_DIR)));
        installTranslators(QCoreApplication::instance(), QStringLiteral("ru_RU"));
        QDir::setCurrent(started);

        Project project(nullptr, nullptr);
        project.setLanguage(0);
        Sheet sheet(&project);
        sheet.setSheetFormat(GraphicsScene::PaperA4, true, 1);
        sheet.setBorderType(GraphicsScene::BorderBig);
        sheet.setNumber(5);

        boundtest::PaintRecorder recorder;
        QPainter painter(&recorder);
        sheet.renderTo(&painter);
        painter.end();

        const QStringList texts = recorder.texts;
        for (const QString &text : texts)
            QVERIFY2(!text.contains(QLatin1String("RU_")), qPrintable(text));
        for (const char *word : {"Изм.", "Кол.уч.", "№ докум.", "Подп.", "Стадия", "Листов", "Инв. № подл.",
                                 "Подп. и дата", "Взам. инв. №"})
            QVERIFY2(texts.contains(QString::fromUtf8(word)), word);

        const bool withZero = showAtrNumWith0;
        showAtrNumWith0 = true;
        QCOMPARE(sheet.sheetDesignation(false), QString::fromUtf8("02 л.5"));
        showAtrNumWith0 = withZero;
        QCOMPARE(rec.count(), 0);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
