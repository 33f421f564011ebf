#ifndef RLAY_TWOPINDEVICE_H
#define RLAY_TWOPINDEVICE_H

// The model of the two-terminal components (plughole, capacitor, resistor,
// discharger, varistor, diode, stabilitron) and of the indicators
// (ammeter, bell, luminodiode, signal lamp): a device of a type from its
// kind's catalogue, with a nominal for the kinds whose catalogue has
// nominals and a small number for the numbered kinds. Each device is shown
// by exactly one scene item, which owns it.

#include "devices/twopincatalogue.h"
#include "devices/typeddevice.h"

class TwoPinDevice : public TypedDevice
{
public:
    TwoPinDevice(Project *project, int kind, const TwoPinCatalogue &catalogue);
    ~TwoPinDevice() override;

    // The Device record, then the nominal's index (kinds with nominals)
    // and the number (numbered kinds). A type or nominal outside the
    // catalogue is a damaged record.
    void writeData(DataStream &stream) override;
    void readData(DataStream &stream) override;
    // The translated type, followed by the number where the kind shows
    // it; empty without a type.
    QString modelName() const override;
    int pinCount() const override;

    const TwoPinCatalogue &catalogue() const { return m_catalogue; }
    // Whether the catalogue index is a row of the catalogue.
    bool hasType() const { return isType(modelIndex()); }
    // Refuses a row outside the catalogue (-1 clears the type); a nominal
    // that the new type does not have is cleared.
    bool setType(int row);
    // The index in the type's nominal list; -1 while none is chosen.
    int nominalIndex() const { return m_nominalIndex; }
    // Refuses an index outside the type's list (-1 clears it).
    bool setNominalIndex(int index);
    // The translated nominal; empty without a type and nominal.
    QString nominalName() const;
    int number() const { return m_number; }
    void setNumber(int number);

    // The frame kind of the device's address; -1 when unplaced.
    int frameKind() const;
    // In a console or visual frame the item's texts are help.
    bool inConsoleFrame() const;

protected:
    // The first of fonts 3 and 2 in which the text fits the width, else 1.
    static int fittingFont(const QString &text, double width);
    // The text centred in the rect in the font.
    static void drawCentred(QPainter *painter, const QRectF &rect, int fontIndex, const QString &text);
    // The text turned a quarter left, reading upwards along the place.
    static void drawTurned(QPainter *painter, const QRectF &rect, int fontIndex, const QString &text);
    // The caption of the wiring documents in font 5: the upper and lower
    // texts in the halves of a rect at least 100 high, else the single
    // one; the single one always when there is no upper text.
    static void drawCaption(QPainter *painter, const QRectF &rect, const QString &single,
                            const QString &upper = QString(), const QString &lower = QString());

private:
    const TwoPinCatalogue &m_catalogue;
    int m_nominalIndex = -1;
    int m_number = 0;
};

// The lights of the console panels (luminodiode, signal lamp): a colour and
// a small number.
class PanelLight : public TwoPinDevice
{
public:
    using TwoPinDevice::TwoPinDevice;

    // The equipment model "Light_Diode_Panel".
    int placeType() const override;
    // In a basic frame the lamp picture with the full name, elsewhere the
    // name over the colour.
    void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                      Place *place, bool hideHelp) override;
};

// The overvoltage protectors (discharger, varistor): their places take an
// address suffix of their own, and the wiring documents show their symbol.
class SurgeProtector : public TwoPinDevice
{
public:
    // The suffix kind of the address ("R" 0, "V" 1) and the symbol, drawn
    // in item coordinates 160 long on y = 0.
    SurgeProtector(Project *project, int kind, const TwoPinCatalogue &catalogue, int suffixKind,
                   void (*drawSymbol)(QPainter *painter));

    // 0x40 | the suffix kind.
    int addressSuffix() const override;
    // The symbol with the type below.
    void paintPicture(QPainter *painter) override;
    // The type.
    void paintCaption(QPainter *painter, const QRectF &rect) override;

private:
    int m_suffixKind;
    void (*m_drawSymbol)(QPainter *painter);
};

// The two texts of a place or caption on two lines.
QString twoLines(const QString &first, const QString &second);

#endif
