#include "equipment/dlgproppanel.h"

#include "equipment/panelcatalogue.h"

DlgPropPanel::DlgPropPanel(GraphicsScene *scene)
    : DlgPropContainerType(scene, 620,
                           {tr("Panel"), tr("Panel description"), tr("GOST N"), tr("Cnt places"), tr("Sh")})
{
    for (int type = 0; type < panelTypeCount; ++type) {
        const PanelTypeInfo &row = panelTypes[type];
        if (row.listed)
            addTypeRow(type, row.name, "Panel", row.containerKind, {row.powerBus ? tr("Yes") : tr("No")});
    }
    selectFirstRow();
}

const char *DlgPropPanel::typeName(int type) const
{
    const PanelTypeInfo *row = panelTypeInfo(type);
    return row ? row->name : nullptr;
}

QString DlgPropPanel::choiceName() const
{
    return tr("panel type");
}

DlgPropGraphicsItem *createDlgPropPanel(GraphicsScene *scene)
{
    return new DlgPropPanel(scene);
}
