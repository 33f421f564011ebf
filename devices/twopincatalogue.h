#ifndef RLAY_TWOPINCATALOGUE_H
#define RLAY_TWOPINCATALOGUE_H

// What the two-terminal component and indicator kinds tell about their
// catalogues: the rows of types (or colours), and for the resistor and the
// capacitor the nominal values each type comes in. The model, the scene
// item and the property dialog of every such kind read their catalogue
// through it. Texts are untranslated keys of the kind's context.

struct TwoPinCatalogue
{
    // The translation context of the texts: the model's class name.
    const char *context;
    int typeCount;
    const char *(*typeText)(int row);
    // Null for a kind without nominals.
    int (*nominalCount)(int row);
    const char *(*nominalText)(int row, int index);
    // The device carries a small number (0 to 3 in the dialog)...
    bool numbered;
    // ...shown after the type in the model name.
    bool numberInModelName;

    bool isType(int row) const { return row >= 0 && row < typeCount; }
    bool hasNominals() const { return nominalCount != nullptr; }
    bool isNominal(int row, int index) const
    {
        return hasNominals() && isType(row) && index >= 0 && index < nominalCount(row);
    }
};

#endif
