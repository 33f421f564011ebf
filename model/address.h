#ifndef RLAY_ADDRESS_H
#define RLAY_ADDRESS_H

// The address of a place in the equipment layout: which frame of which row,
// which place of the frame and which position in it. A plain nine-byte
// value; the texts of its vocabulary are translated in the "Address"
// context.
//
// byte 0 frame kind, 1 row number, 2 frame number within the row,
// 3 and 4 the two parts of the place number, 5 the position,
// 6 kind byte (0x80 | place kind, or 0x40 | suffix kind, or 0),
// 7 position shown, 8 pad the first place part with a zero.

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

class Address
{
    Q_DECLARE_TR_FUNCTIONS(Address)

public:
    Address();

    static Address fromPlaceKind(int placeKind);
    static Address fromSuffixKind(int suffixKind);

    // Fields 0 to 6.
    quint8 field(int i) const;
    void setField(int i, quint8 value);
    // Copies fields 0 to n of other, and with withFlags bytes 7 and 8.
    void copyFields(const Address &other, int n, bool withFlags);

    int frameKind() const { return m_bytes[0]; }
    void setFrameKind(int kind);

    bool hasPlaceKind() const { return m_bytes[6] & 0x80; }
    int placeKind() const;
    void setPlaceKind(int kind);
    bool placeKindHasTwoParts() const;

    bool hasSuffixKind() const { return m_bytes[6] & 0x40; }
    int suffixKind() const; // -1 when none
    void setSuffixKind(int kind); // -1 clears the kind byte

    // Byte 7: the position (field 5) is part of the text.
    bool hasField5() const { return m_bytes[7]; }
    void setHasField5(bool on) { m_bytes[7] = on; }
    // Byte 8: a one-digit first place part is written with a leading zero.
    bool padWithZero() const { return m_bytes[8]; }
    void setPadWithZero(bool on) { m_bytes[8] = on; }

    // Frame code: frame kind << 16 | row << 8 | frame.
    quint32 packedFrameCode() const;
    void setPackedFrameCode(quint32 code);

    // Part 0: the frame number (row * 10 + frame); part 1: the place number.
    int number(int part) const;
    // place false sets the frame number, true the place number; false when
    // the number does not fit the place kind.
    bool setNumber(int value, bool place);

    QString fieldText(int i) const;
    // The text from a start field on (0, 1, 3, 4 or 5); the fields follow
    // in the order 1, 2, 0, 3, 4, 5.
    QString toString(int fromField) const;
    QString numberText(int part) const;
    // The shortest text that tells this address apart from other.
    QString textRelativeTo(const Address &other) const;

    // Parses [second prefix][frame number][place-kind text][place number].
    static Address fromText(int frameKind, int placeKind, const QString &text, bool *ok);

    static QString frameKindName(int kind);
    static QString frameKindSecondPrefix(int kind);
    static QString frameKindPrefix(int kind);
    static QString suffixKindName(int kind);
    static QString placeKindText(int frameKind, int placeKind);
    static int placeKindMax(int placeKind);
    // The i-th clamp-panel type a frame of this kind may carry.
    static int frameKindListEntry(int frameKind, int i);

    static quint32 frameCode(int number, int frameKind);
    static int frameNumberOfCode(quint32 code);
    static QString frameCodeText(quint32 code, bool withDash);
    static bool areAdjacent(int a, int b, bool *firstIsLower);

    // Compares fields 0 to 6; the two flag bytes do not count.
    bool operator==(const Address &other) const;
    bool operator!=(const Address &other) const { return !(*this == other); }

private:
    static int suffixField(const Address &a);

    quint8 m_bytes[9];
};

#endif
