#include "devices/buttoncatalogue.h"

#include "devices/groupcatalogue.h"
#include "model/check.h"

#include <QCoreApplication>

const ContactGroupKind buttonContactKinds[ContactGroupKindCount + 1] = {
    {QT_TRANSLATE_NOOP("GraphicsButton", "ft"), 3},
    {QT_TRANSLATE_NOOP("GraphicsButton", "f"), 2},
    {QT_TRANSLATE_NOOP("GraphicsButton", "t"), 2},
    {nullptr, 0},
};

namespace {

// Pin names of the groups: common terminal, then front, then back.
const char *const n11_13_12[] = {"11", "13", "12"};
const char *const n21_23_22[] = {"21", "23", "22"};
const char *const n31_33_32[] = {"31", "33", "32"};
const char *const n51_53_52[] = {"51", "53", "52"};
const char *const n61_63_62[] = {"61", "63", "62"};
const char *const n71_73_72[] = {"71", "73", "72"};
const char *const n11_13[] = {"11", "13"};
const char *const n21_23[] = {"21", "23"};
const char *const n41_43[] = {"41", "43"};
const char *const n51_52[] = {"51", "52"};
const char *const n4_3_5[] = {"4", "3", "5"};
const char *const n7_8_6[] = {"7", "8", "6"};
const char *const n2_1_3[] = {"2", "1", "3"};
const char *const n5_4_6[] = {"5", "4", "6"};
const char *const n10_11_12[] = {"10", "11", "12"};
const char *const n20_21_22[] = {"20", "21", "22"};

const ContactGroup kd1ft[] = {{GroupKindFT, n31_33_32}};
const ContactGroup kd2ft[] = {{GroupKindFT, n11_13_12}, {GroupKindFT, n51_53_52}};
const ContactGroup kd3ft[] = {{GroupKindFT, n11_13_12}, {GroupKindFT, n31_33_32}, {GroupKindFT, n51_53_52}};
const ContactGroup kt4ft[] = {
    {GroupKindFT, n11_13_12}, {GroupKindFT, n31_33_32}, {GroupKindFT, n51_53_52}, {GroupKindFT, n71_73_72}};
const ContactGroup kt4ft2f2t[] = {{GroupKindFT, n11_13_12}, {GroupKindF, n21_23}, {GroupKindT, n31_32},
                                  {GroupKindF, n41_43},     {GroupKindT, n51_52}, {GroupKindFT, n61_63_62}};
const ContactGroup kmdf[] = {{GroupKindFT, n11_13_12}, {GroupKindT, n21_22}};
const ContactGroup kmdfp[] = {{GroupKindFT, n11_13_12}, {GroupKindF, n21_23}};
const ContactGroup kmd1[] = {{GroupKindF, n11_13}};
const ContactGroup kmdp2[] = {{GroupKindFT, n11_13_12}};
const ContactGroup kmd3[] = {{GroupKindF, n11_13}, {GroupKindF, n21_23}};
const ContactGroup kd2s[] = {{GroupKindFT, n11_13_12}, {GroupKindFT, n21_23_22}};
const ContactGroup si206[] = {{GroupKindFT, n4_3_5}, {GroupKindFT, n7_8_6}};
const ContactGroup si206dot[] = {{GroupKindFT, n2_1_3}, {GroupKindFT, n5_4_6}};
const ContactGroup kd22ft[] = {{GroupKindFT, n10_11_12}, {GroupKindFT, n20_21_22}};

} // namespace

#define GROUPS(list) list, countOf(list)

const ButtonType buttonTypes[ButtonTypeCount + 1] = {
    {QT_TRANSLATE_NOOP("Button", "KD 1ft"), false, GROUPS(kd1ft), false},
    {QT_TRANSLATE_NOOP("Button", "KD 2ft"), false, GROUPS(kd2ft), false},
    {QT_TRANSLATE_NOOP("Button", "KD 3ft"), false, GROUPS(kd3ft), false},
    {QT_TRANSLATE_NOOP("Button", "KDF 1ft"), true, GROUPS(kd1ft), false},
    {QT_TRANSLATE_NOOP("Button", "KDF 2ft"), true, GROUPS(kd2ft), false},
    {QT_TRANSLATE_NOOP("Button", "KDF 3ft"), true, GROUPS(kd3ft), false},
    {QT_TRANSLATE_NOOP("Button", "KT 4ft"), false, GROUPS(kt4ft), false},
    {QT_TRANSLATE_NOOP("Button", "KT 4ft 2f 2t"), false, GROUPS(kt4ft2f2t), false},
    {QT_TRANSLATE_NOOP("Button", "KMDF"), true, GROUPS(kmdf), false},
    {QT_TRANSLATE_NOOP("Button", "KMDFP"), true, GROUPS(kmdfp), false},
    {QT_TRANSLATE_NOOP("Button", "KMD I"), false, GROUPS(kmd1), false},
    {QT_TRANSLATE_NOOP("Button", "KMDP II"), false, GROUPS(kmdp2), false},
    {QT_TRANSLATE_NOOP("Button", "KMD III"), false, GROUPS(kmd3), false},
    {QT_TRANSLATE_NOOP("Button", "KDUP 1ft"), false, GROUPS(kd1ft), false},
    {QT_TRANSLATE_NOOP("Button", "KDUP 2ft"), false, GROUPS(kd2ft), false},
    {QT_TRANSLATE_NOOP("Button", "KDUP 3ft"), false, GROUPS(kd3ft), false},
    {QT_TRANSLATE_NOOP("Button", "KD-2-S"), false, GROUPS(kd2s), false},
    {QT_TRANSLATE_NOOP("Button", "KD-2-SF"), true, GROUPS(kd2s), false},
    {QT_TRANSLATE_NOOP("Button", "SI 206"), false, GROUPS(si206), true},
    {QT_TRANSLATE_NOOP("Button", "SI 206."), false, GROUPS(si206dot), true},
    {QT_TRANSLATE_NOOP("Button", "KD-2 2ft"), false, GROUPS(kd22ft), false},
    {QT_TRANSLATE_NOOP("Button", "KDF-2 2ft"), true, GROUPS(kd22ft), false},
    {nullptr, false, nullptr, 0, false},
};

#undef GROUPS

const ButtonType *buttonType(int index)
{
    if (!CHECK(index >= 0 && index < ButtonTypeCount))
        return nullptr;
    return &buttonTypes[index];
}

QString buttonModelName(int index)
{
    const ButtonType *type = buttonType(index);
    return type ? QCoreApplication::translate("Button", type->name) : QString();
}

bool isButtonGroupCompatible(int groupKind, int itemKind)
{
    return isGroupCompatible(groupKind, itemKind);
}

using ButtonRows = ContactGroupRows<ButtonType, buttonTypes>;

const GroupCatalogue buttonCatalogue = {
    ButtonTypeCount, buttonModelName, ButtonRows::count, ButtonRows::kind, ButtonRows::text, ButtonRows::pinNames,
    isButtonGroupCompatible, buttonContactKinds, ContactGroupKindCount, "GraphicsButton",
};
