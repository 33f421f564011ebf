#ifndef RLAY_SPECIFICATIONCABLE_H
#define RLAY_SPECIFICATIONCABLE_H

// A page of the cable specification: sheet 1 sums the cable lengths by
// cable type, every other sheet lists cables from a first frame pair on.
// The pages come only from the cable specification side file.

#include "equipment/specificationdevice.h"
#include "graphics/dlgprop.h"

class SpecificationCable : public Specification
{
    Q_OBJECT

public:
    // firstKey: the index in the branch's sorted frame pairs at which the
    // page's list starts; rowOffset: the cable rows on the pages before;
    // rowLimit: the most rows the page shows, 0 for no limit.
    explicit SpecificationCable(Project *project, int firstKey = 0, int rowOffset = 0, int rowLimit = 0);

    int firstKey() const { return m_firstKey; }
    int rowOffset() const { return m_rowOffset; }
    int rowLimit() const { return m_rowLimit; }

    // The ATR number of the cable specification above the page.
    int groupNumber() const override;
    // The three numbers, the sheet, then the row's texts.
    void saveScene(DataStream &stream) override;
    bool loadScene(DataStream &stream) override;

private:
    int m_firstKey;
    int m_rowOffset;
    int m_rowLimit;
};

// A cable page is created only from the side file: the dialog has no fields
// and no command opens it.
class DlgPropSpecificationCable : public DlgProp
{
    Q_OBJECT

public:
    explicit DlgPropSpecificationCable(Project *project);
    SpecificationCable *execDialog(SpecificationCable *page);

private:
    Project *m_project;
};

#endif
