#include "equipment/wiringbuilder.h"

#include "equipment/frame.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/place.h"
#include "equipment/wiringlayout.h"

namespace {

// The pages of the program: the wiring document classes.
class WiringLayoutBuilder : public WiringBuilder
{
public:
    GraphicsScene *addPage(Frame *frame, int pageClass, const QString &name, int kind, bool frontView) override
    {
        if (!frame)
            return nullptr;
        WiringLayout *page = nullptr;
        switch (pageClass) {
        case CablePage:
            page = frame->addWiringLayout<WiringLayoutCable>(name, kind, QString(), frontView, QString());
            break;
        case DCTablePage:
            page = frame->addWiringLayout<WiringLayoutDCTable>(name, kind, QString(), frontView, QString());
            break;
        case DCSchemePage:
            page = frame->addWiringLayout<WiringLayoutDCScheme>(name, kind, QString(), frontView, QString());
            break;
        default:
            page = frame->addWiringLayout<WiringLayout>(name, kind, QString(), frontView, QString());
            break;
        }
        unindexed(page);
        return page;
    }

    void addModulePages(Frame *frame, QList<GraphicsScene *> &pages) override
    {
        QList<WiringLayout *> made;
        createModuleWiringLayouts(frame, made);
        for (WiringLayout *page : std::as_const(made)) {
            unindexed(page);
            pages.append(page);
        }
    }

    // A generated page holds a few fixed pictures: it needs no index of its
    // items, whose refresh timer, one per page, would make thousands of
    // pages cost the square of their number.
    static void unindexed(WiringLayout *page)
    {
        if (page)
            page->setItemIndexMethod(QGraphicsScene::NoIndex);
    }

    void setCables(GraphicsScene *page, const QList<Cable *> &cables) override
    {
        if (auto *cablePage = dynamic_cast<WiringLayoutCable *>(page))
            cablePage->setCables(cables);
    }

    void appendNote(GraphicsScene *page, const QString &text) override
    {
        if (auto *layout = dynamic_cast<WiringLayout *>(page))
            layout->appendNote(text);
    }

    void setSecondCaption(GraphicsScene *page, const QString &text) override
    {
        if (auto *layout = dynamic_cast<WiringLayout *>(page))
            layout->setSecondCaption(text);
    }

    void buildPanelWiring(GraphicsPlaceContainer *panel) override
    {
        if (auto *framePanel = dynamic_cast<GraphicsFramePanel *>(panel))
            framePanel->buildWiring();
    }

    void releasePanelWiring(GraphicsPlaceContainer *panel) override
    {
        auto *framePanel = dynamic_cast<GraphicsFramePanel *>(panel);
        if (!framePanel)
            return;
        framePanel->setWiringPage(nullptr);
        for (Place *place : framePanel->places()) {
            if (place && place->state() == Place::Normal)
                releasePanelWiring(dynamic_cast<GraphicsFramePanel *>(place->item()));
        }
    }

    bool describe(const GraphicsScene *page, int *pageClass, int *kind) const override
    {
        auto *layout = dynamic_cast<const WiringLayout *>(page);
        if (!layout)
            return false;
        *kind = layout->kind();
        if (dynamic_cast<const WiringLayoutCable *>(page))
            *pageClass = CablePage;
        else if (dynamic_cast<const WiringLayoutDCTable *>(page))
            *pageClass = DCTablePage;
        else if (dynamic_cast<const WiringLayoutDCScheme *>(page))
            *pageClass = DCSchemePage;
        else
            *pageClass = PlainPage;
        return true;
    }
};

WiringBuilder *&builder()
{
    static WiringBuilder *installed = nullptr;
    return installed;
}

} // namespace

WiringBuilder *WiringBuilder::installed()
{
    static WiringLayoutBuilder wiringLayouts;
    return builder() ? builder() : &wiringLayouts;
}

void WiringBuilder::install(WiringBuilder *value)
{
    builder() = value;
}
