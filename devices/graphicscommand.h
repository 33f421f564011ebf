#ifndef RLAY_GRAPHICSCOMMAND_H
#define RLAY_GRAPHICSCOMMAND_H

// The scheme item of one command of a DC module: a two-pin symbol of one of
// four kinds ("TS", two forms of "TU", "TV") with the command's signal, its
// template from the command catalogue and the template's parameters. It
// binds by name to a Module and never owns it; the module gives it its
// command number, from which its two pins take their terminal names. Pin 0
// is the right pin, pin 1 the left one at the item's origin.

#include "graphics/graphicsdevice.h"

#include <QCoreApplication>
#include <QStringList>

class Module;

class GraphicsCommand : public GraphicsDevice
{
    Q_DECLARE_TR_FUNCTIONS(GraphicsCommand)

public:
    enum { Type = QGraphicsItem::UserType + 423 };
    // The number of an item that has none.
    enum { NoNumber = 255 };

    explicit GraphicsCommand(GraphicsScene *scene);
    ~GraphicsCommand() override;

    int type() const override { return Type; }
    int objType() const override { return ModuleKind; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

    // Own fields, then the bound-item record. The number and the two pin
    // comments are read from format 2 on. A kind, signal, template or
    // number outside its table is a damaged record.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // A bound item read without a number takes a free one of its module.
    bool resolveLinks() override;
    // The bound-item check: an unbound command is reported, whatever its
    // parameters.
    void check(QTreeWidget *results, int code) override;
    // Unnamed pins are collected only when n is not 0.
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;
    // The terminal names of the command number; only while bound.
    void updatePinNames() override;

    // The bound module, null while unbound.
    Module *module() const;

    int kind() const { return m_kind; }
    // Moves the right pin with the kind; a number beyond the new kind's
    // module type is dropped.
    void setKind(int kind);
    int signal() const { return m_signal; }
    // -1 or a signal of the kind's module type; another one is refused.
    void setSignal(int signal);
    int templateIndex() const { return m_templateIndex; }
    // -1 or a row of the template catalogue; another index is refused.
    void setTemplateIndex(int index);
    const QStringList &templateParams() const { return m_templateParams; }
    // The template text, the title and the help texts lie inside the
    // bounding rectangle: changing them changes it.
    void setTemplateParams(const QStringList &params);
    bool drawTitle() const { return m_drawTitle; }
    void setDrawTitle(bool draw);
    const QString &commentGi() const { return m_commentGi; }
    void setCommentGi(const QString &comment) { m_commentGi = comment; }
    // Pin 0 the right pin, pin 1 the left pin.
    QString commentPin(int index) const;
    void setCommentPin(int index, const QString &comment);
    const QString &commentRightPin() const { return m_commentRightPin; }
    const QString &commentLeftPin() const { return m_commentLeftPin; }
    quint8 number() const { return m_number; }
    // Asks for the number's memory ahead of a walk that reads many.
    void prefetchNumber() const { __builtin_prefetch(&m_number); }
    // Set by the module that takes the item: NoNumber or a command of the
    // kind's module type; another is refused.
    void setNumber(quint8 number);

    // The template's text with the parameters filled in; empty without a
    // template.
    QString templateText() const;
    // "K" and the two digits of the module's place number, "-", the pin's
    // name: the terminal on the DC documents.
    QString commandName(Pin *pin);
    // Whether a parameter is empty (the item is drawn red then).
    bool hasEmptyParam() const;

    // Width of the symbol: 120 for kind 0, 200 otherwise.
    static double symbolWidth(int kind);

private:
    qint32 m_kind = -1;
    qint32 m_signal = -1;
    qint32 m_templateIndex = -1;
    QStringList m_templateParams;
    bool m_drawTitle = false;
    QString m_commentGi;
    quint8 m_number = NoNumber;
    QString m_commentRightPin;
    QString m_commentLeftPin;
};

// A template's text with the parameters in place of %1 to %10, each
// placeholder taken whole ("%10" is not "%1" and a "0"): a blank parameter
// leaves its placeholder, "-" removes it (with the quotes round it when the
// text quotes it).
QString composeTemplateText(int templateIndex, const QStringList &params);
// The command symbol of a kind with the painter's pen, in scene units; the
// pin letters with withPinLabels, "+" and "-" exchanged with swapPolarity.
void drawCommand(QPainter *painter, int kind, bool withPinLabels, bool swapPolarity);

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsCommand(GraphicsScene *scene);

#endif
