#include "devices/commutatorcatalogue.h"

#include "devices/groupcatalogue.h"
#include "model/check.h"

#include <QCoreApplication>

const ContactGroupKind commutatorContactKinds[ContactGroupKindCount + 1] = {
    {QT_TRANSLATE_NOOP("GraphicsCommutator", "ft"), 3},
    {QT_TRANSLATE_NOOP("GraphicsCommutator", "f"), 2},
    {QT_TRANSLATE_NOOP("GraphicsCommutator", "t"), 2},
    {nullptr, 0},
};

namespace {

// Pin names of the groups: common terminal, then upper, then lower.
const char *const n11_12_13[] = {"11", "12", "13"};
const char *const n21_22_23[] = {"21", "22", "23"};
const char *const n31_32_33[] = {"31", "32", "33"};
const char *const n41_42_43[] = {"41", "42", "43"};
const char *const n51_52_53[] = {"51", "52", "53"};
const char *const n61_62_63[] = {"61", "62", "63"};
const char *const n11_12[] = {"11", "12"};
const char *const n41_42[] = {"41", "42"};
const char *const p2g1[] = {"1-I,2-I,3-I", "3-II", "1-II,2-II"};
const char *const p2g2[] = {"4-I,5-I,6-I", "4-II,5-II", "6-II"};
const char *const p2g3[] = {"7-I,8-I,9-I", "8-II,9-II", "7-II"};
const char *const p2g4[] = {"10-I,11-I,12-I", "11-II,12-II", "10-II"};

const ContactGroup kmd2ft[] = {{GroupKindFT, n11_12_13}, {GroupKindFT, n31_32_33}};
const ContactGroup kmdn5ft[] = {{GroupKindFT, n11_12_13},
                                {GroupKindFT, n21_22_23},
                                {GroupKindFT, n31_32_33},
                                {GroupKindFT, n51_52_53},
                                {GroupKindFT, n61_62_63}};
const ContactGroup kmt2ft2t[] = {
    {GroupKindT, n11_12}, {GroupKindFT, n21_22_23}, {GroupKindT, n31_32}, {GroupKindFT, n41_42_43}};
const ContactGroup kmt4ft[] = {
    {GroupKindFT, n11_12_13}, {GroupKindFT, n21_22_23}, {GroupKindFT, n31_32_33}, {GroupKindFT, n41_42_43}};
const ContactGroup kmtn6ft[] = {{GroupKindFT, n11_12_13}, {GroupKindFT, n21_22_23}, {GroupKindFT, n31_32_33},
                                {GroupKindFT, n41_42_43}, {GroupKindFT, n51_52_53}, {GroupKindFT, n61_62_63}};
const ContactGroup kmds2ft2f[] = {
    {GroupKindFT, n11_12_13}, {GroupKindF, n21_22}, {GroupKindFT, n31_32_33}, {GroupKindF, n41_42}};
const ContactGroup p2g[] = {{GroupKindFT, p2g1}, {GroupKindFT, p2g2}, {GroupKindFT, p2g3}, {GroupKindFT, p2g4}};

} // namespace

#define GROUPS(list) list, countOf(list)

const CommutatorType commutatorTypes[CommutatorTypeCount + 1] = {
    {QT_TRANSLATE_NOOP("Commutator", "KMD 2ft"), GROUPS(kmd2ft)},
    {QT_TRANSLATE_NOOP("Commutator", "KMDN 5ft"), GROUPS(kmdn5ft)},
    {QT_TRANSLATE_NOOP("Commutator", "KMT 2ft 2t"), GROUPS(kmt2ft2t)},
    {QT_TRANSLATE_NOOP("Commutator", "KMT 4ft"), GROUPS(kmt4ft)},
    {QT_TRANSLATE_NOOP("Commutator", "KMTN 6ft"), GROUPS(kmtn6ft)},
    {QT_TRANSLATE_NOOP("Commutator", "KMDS 2ft"), GROUPS(kmd2ft)},
    {QT_TRANSLATE_NOOP("Commutator", "KMDS 2ft 2f"), GROUPS(kmds2ft2f)},
    {QT_TRANSLATE_NOOP("Commutator", "KMTS 4ft"), GROUPS(kmt4ft)},
    {QT_TRANSLATE_NOOP("Commutator", "KMTGS 2ft 2t"), GROUPS(kmt2ft2t)},
    {QT_TRANSLATE_NOOP("Commutator", "P2G"), GROUPS(p2g)},
    {nullptr, nullptr, 0},
};

#undef GROUPS

const CommutatorType *commutatorType(int index)
{
    if (!CHECK(index >= 0 && index < CommutatorTypeCount))
        return nullptr;
    return &commutatorTypes[index];
}

QString commutatorModelName(int index)
{
    const CommutatorType *type = commutatorType(index);
    return type ? QCoreApplication::translate("Commutator", type->name) : QString();
}

using CommutatorRows = ContactGroupRows<CommutatorType, commutatorTypes>;

const GroupCatalogue commutatorCatalogue = {
    CommutatorTypeCount, commutatorModelName, CommutatorRows::count, CommutatorRows::kind, CommutatorRows::text, CommutatorRows::pinNames,
    isGroupCompatible, commutatorContactKinds, ContactGroupKindCount, "GraphicsCommutator",
};
