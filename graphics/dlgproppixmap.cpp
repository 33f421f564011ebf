#include "graphics/dlgproppixmap.h"

#include "graphics/graphicspixmap.h"
#include "graphics/rgridlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

DlgPropPixmap::DlgPropPixmap(GraphicsScene *scene)
    : DlgPropGraphicsItem(scene)
{
    auto *main = new RVBoxLayout(this, 5, 5);

    auto *grid = new RGridLayout();
    grid->addWidget(new QLabel(tr("Pixmap:"), this), 0, 0);
    m_fileName = new RLineEdit(this, 0);
    grid->addWidget(m_fileName, 0, 1);
    auto *browse = new QPushButton(tr("Browse..."), this);
    connect(browse, &QPushButton::clicked, this, &DlgPropPixmap::btnBrowseClick);
    grid->addWidget(browse, 0, 2);
    main->addLayout(grid);

    auto *layer = new QGroupBox(tr("Layer"), this);
    auto *layerColumn = new QVBoxLayout(layer);
    m_background = new QRadioButton(tr("Background"), layer);
    m_foreground = new QRadioButton(tr("Foreground"), layer);
    layerColumn->addWidget(m_background);
    layerColumn->addWidget(m_foreground);
    m_background->setChecked(true);
    main->addWidget(layer);

    auto *backgroundType = new QGroupBox(tr("Background type"), this);
    auto *typeColumn = new QVBoxLayout(backgroundType);
    m_transparent = new QRadioButton(tr("Transparent"), backgroundType);
    m_white = new QRadioButton(tr("White"), backgroundType);
    typeColumn->addWidget(m_transparent);
    typeColumn->addWidget(m_white);
    main->addWidget(backgroundType);

    addButtons(main);
}

QString DlgPropPixmap::imageFilter()
{
    QString filter;
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    for (const QByteArray &format : formats)
        filter += QStringLiteral(" *.") + QString::fromLatin1(format);
    return filter.toLower();
}

void DlgPropPixmap::btnBrowseClick()
{
    const QString name = QFileDialog::getOpenFileName(this, tr("Open File"), QCoreApplication::applicationDirPath(),
                                                      imageFilter());
    if (!name.isEmpty())
        m_fileName->setText(name);
}

void DlgPropPixmap::btnOkClick()
{
    const QString name = m_fileName->text();
    if (name.isEmpty()) {
        if (m_editing)
            accept();
        else
            showInformation(tr("File name is empty"));
        return;
    }
    if (!QFileInfo::exists(name)) {
        showInformation(tr("File not exist"));
        return;
    }
    // A file whose content is no image the reader knows, or whose image
    // cannot be decoded, would leave the picture without an image.
    allowPictureMemory();
    QImageReader reader(name);
    if (QImageReader::imageFormat(name).isEmpty() || reader.read().isNull()) {
        showInformation(tr("File format is not supported"));
        return;
    }
    accept();
}

void DlgPropPixmap::loadFromItem(GraphicsItem *item)
{
    auto *picture = dynamic_cast<GraphicsPixmap *>(item);
    if (!CHECK_PTR(picture))
        return;
    if (picture->zValue() == GraphicsPixmap::BackgroundZ)
        m_background->setChecked(true);
    else
        m_foreground->setChecked(true);
    m_editing = true;
}

void DlgPropPixmap::saveToItem(GraphicsItem *item)
{
    auto *picture = dynamic_cast<GraphicsPixmap *>(item);
    if (!CHECK_PTR(picture))
        return;

    const QString name = m_fileName->text();
    if (!name.isEmpty()) {
        const QPixmap image(name);
        if (!image.isNull())
            picture->setPixmap(image);
    }

    if (m_transparent->isChecked() || m_white->isChecked()) {
        const bool transparent = m_transparent->isChecked();
        QPixmap source = picture->pixmap();
        if (!source.isNull()) {
            QPixmap canvas(source.size());
            canvas.fill(transparent ? QColor(Qt::transparent) : QColor(Qt::white));
            const QColor maskColor = transparent ? QColor(Qt::white) : QColor(Qt::transparent);
            source.setMask(source.createMaskFromColor(maskColor));
            QPainter painter(&canvas);
            painter.drawPixmap(0, 0, source);
            painter.end();
            picture->setPixmap(canvas);
        }
    }

    picture->setZValue(m_background->isChecked() ? GraphicsPixmap::BackgroundZ : GraphicsPixmap::ForegroundZ);
}
