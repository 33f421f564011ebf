#include "app/actiontable.h"

#include <QKeySequence>
#include <QtGlobal>

// Rows: icon, text, in main tool bar, id, enabled at start, checkable, key.
#define ACTION_TEXT(text) QT_TRANSLATE_NOOP("ActionManager", text)
#define SEPARATOR(inToolBar) { nullptr, nullptr, inToolBar, -1, false, false, 0 }
#define MENU(id, icon, text, inToolBar, enabled, checkable, key) \
    { icon, ACTION_TEXT(text), inToolBar, id, enabled, checkable, key }
#define CONTEXT(id, icon, text) { icon, ACTION_TEXT(text), false, id, false, false, 0 }
#define TOOL(id, icon, text, checkable) { icon, ACTION_TEXT(text), false, id, false, checkable, 0 }

namespace {

const ActionEntry menuProject[] = {
    MENU(0, ":/images/new.png", "New", false, true, false, QKeySequence::New),
    MENU(1, ":/images/open.png", "Open...", true, true, false, QKeySequence::Open),
    SEPARATOR(false),
    MENU(2, ":/images/save.png", "Save", true, false, false, QKeySequence::Save),
    MENU(3, ":/images/saveas.png", "Save as...", false, false, false, 0),
    SEPARATOR(false),
    MENU(4, ":/images/import.png", "Import...", false, false, false, 0),
    MENU(5, "", "Property...", false, false, false, 0),
    SEPARATOR(false),
    MENU(6, ":/images/close.png", "Close", false, false, false, QKeySequence::Close),
    SEPARATOR(false),
    MENU(7, ":/images/print.png", "Print...", true, false, false, QKeySequence::Print),
    MENU(8, ":/images/printerpreview.png", "Print preview", false, false, false, 0),
    MENU(9, ":/images/printersettings.png", "Printer settings...", false, false, false, 0),
    SEPARATOR(false),
    MENU(10, ":/images/exit.png", "Exit", false, true, false, 0),
};

const ActionEntry menuEdit[] = {
    MENU(11, ":/images/undo.png", "Undo", true, false, false, QKeySequence::Undo),
    MENU(12, ":/images/redo.png", "Redo", true, false, false, QKeySequence::Redo),
    SEPARATOR(true),
    MENU(13, ":/images/cut.png", "Cut", true, false, false, QKeySequence::Cut),
    MENU(14, ":/images/copy.png", "Copy", true, false, false, QKeySequence::Copy),
    MENU(15, ":/images/paste.png", "Paste", true, false, false, QKeySequence::Paste),
    SEPARATOR(true),
    MENU(16, ":/images/grab_pixmap.png", "Grab pixmap", true, false, false, 0),
    SEPARATOR(true),
    MENU(17, "", "Select All", false, false, false, QKeySequence::SelectAll),
    SEPARATOR(false),
    MENU(18, ":/images/rotateleft.png", "Left rotation", true, false, false, 0),
    MENU(19, ":/images/rotateright.png", "Right rotation", true, false, false, 0),
    MENU(20, ":/images/mirrorh.png", "Horozontal mirroring", true, false, false, 0),
    MENU(21, ":/images/mirrorv.png", "Vertical mirroring", true, false, false, 0),
    SEPARATOR(false),
    MENU(22, "", "Find", false, false, false, QKeySequence::Find),
    SEPARATOR(false),
    MENU(23, ":/images/delete.png", "Delete", true, false, false, QKeySequence::Delete),
    SEPARATOR(true),
    MENU(24, ":/images/property.png", "Property...", true, false, false, 0),
};

const ActionEntry menuView[] = {
    MENU(25, ":/images/zoomin.png", "Zoom in", true, false, false, 0),
    MENU(26, ":/images/zoomout.png", "Zoom out", true, false, false, 0),
    MENU(27, ":/images/zoom11.png", "Zoom 1:1", true, false, false, 0),
    SEPARATOR(true),
    MENU(28, ":/images/back.png", "Back", true, false, false, QKeySequence::Back),
    MENU(29, ":/images/forward.png", "Forward", true, false, false, QKeySequence::Forward),
};

const ActionEntry menuEditMode[] = {
    MENU(30, ":/images/arrow.png", "Arrow", true, false, true, 0),
    MENU(31, ":/images/hand.png", "Scroll hand", true, false, true, 0),
};

const ActionEntry menuService[] = {
    MENU(32, ":/images/check.png", "Check project", true, false, false, 0),
    MENU(33, "", "Sources explorer", false, false, false, 0),
    MENU(34, "", "Distances explorer", false, false, false, 0),
    MENU(35, ":/images/param.png", "Parameters", false, true, false, 0),
    MENU(36, ":/images/settings.png", "Settings", false, true, false, 0),
};

const ActionEntry menuHelp[] = {
    MENU(37, ":/images/help.png", "Help", false, true, false, 0),
    MENU(38, ":/images/about.png", "About", false, true, false, 0),
};

const ActionEntry contextSchemeGroup[] = {
    CONTEXT(39, ":/images/new.png", "New scheme group"),
    SEPARATOR(false),
    CONTEXT(40, ":/images/delete.png", "Delete scheme group"),
    SEPARATOR(false),
    CONTEXT(41, ":/images/print.png", "Print scheme group"),
    CONTEXT(42, ":/images/printerpreview.png", "Print preview scheme group"),
    CONTEXT(43, ":/images/savepdf.png", "Save PDF scheme group"),
    SEPARATOR(false),
    CONTEXT(44, "", "Property scheme group..."),
    CONTEXT(45, ":/images/copy.png", "Copy scheme group"),
    CONTEXT(46, ":/images/paste.png", "Paste scheme group"),
};

const ActionEntry contextScheme[] = {
    CONTEXT(47, ":/images/new.png", "New scheme"),
    SEPARATOR(false),
    CONTEXT(48, ":/images/delete.png", "Delete scheme"),
    SEPARATOR(false),
    CONTEXT(49, ":/images/print.png", "Print scheme"),
    CONTEXT(50, ":/images/printerpreview.png", "Print preview scheme"),
    SEPARATOR(false),
    CONTEXT(51, "", "Property scheme..."),
    CONTEXT(52, ":/images/copy.png", "Copy scheme"),
    CONTEXT(53, ":/images/paste.png", "Paste scheme"),
};

const ActionEntry contextFrameGroup[] = {
    CONTEXT(54, ":/images/new.png", "New row"),
    SEPARATOR(false),
    CONTEXT(55, ":/images/delete.png", "Delete row"),
    SEPARATOR(false),
    CONTEXT(56, ":/images/print.png", "Print row"),
    CONTEXT(57, ":/images/printerpreview.png", "Print preview row"),
    CONTEXT(58, ":/images/savepdf.png", "Save PDF row"),
    SEPARATOR(false),
    CONTEXT(59, "", "Property row..."),
};

const ActionEntry contextFrame[] = {
    CONTEXT(60, ":/images/new.png", "New frame"),
    SEPARATOR(false),
    CONTEXT(61, ":/images/delete.png", "Delete frame"),
    SEPARATOR(false),
    CONTEXT(62, ":/images/print.png", "Print frame"),
    CONTEXT(63, ":/images/printerpreview.png", "Print preview frame"),
    CONTEXT(64, ":/images/savepdf.png", "Save PDF frame"),
    SEPARATOR(false),
    CONTEXT(65, "", "Property frame..."),
};

const ActionEntry contextSpecGroup[] = {
    CONTEXT(66, ":/images/print.png", "Print spec group"),
    CONTEXT(67, ":/images/printerpreview.png", "Print preview spec group"),
    CONTEXT(68, ":/images/savepdf.png", "Save PDF spec group"),
    SEPARATOR(false),
    CONTEXT(69, "", "Property spec group..."),
};

const ActionEntry contextSpec[] = {
    CONTEXT(70, ":/images/print.png", "Print spec"),
    CONTEXT(71, ":/images/printerpreview.png", "Print preview spec"),
    SEPARATOR(false),
    CONTEXT(72, "", "Property spec..."),
};

const ActionEntry toolBasic[] = {
    TOOL(73, ":/images/net.png", "Net", true),
    TOOL(74, ":/images/node.png", "Node", true),
    TOOL(75, ":/images/crossnet.png", "CrossNet", true),
    TOOL(76, ":/images/ground.png", "Ground", true),
    TOOL(77, ":/images/slantingnet.png", "SlantingNet", false),
    TOOL(78, ":/images/copperplate.png", "CopperPlate", false),
    TOOL(79, ":/images/relay.png", "Relay", false),
    TOOL(80, ":/images/contact.png", "Contact", false),
    TOOL(81, ":/images/block.png", "Block", false),
    TOOL(82, ":/images/source.png", "Source", false),
    TOOL(83, ":/images/trans.png", "Trans", false),
    TOOL(84, ":/images/footnote.png", "Footnote", false),
    TOOL(85, ":/images/fuse.png", "Fuse", false),
    TOOL(86, ":/images/clamp.png", "Clamp", false),
    TOOL(87, ":/images/passage.png", "Passage", false),
    TOOL(88, ":/images/plughole.png", "Plughole", false),
    TOOL(89, ":/images/capacitor.png", "Capacitor", false),
    TOOL(90, ":/images/resistor.png", "Resistor", false),
    TOOL(91, ":/images/discharger.png", "Discharger", false),
    TOOL(92, ":/images/varistor.png", "Varistor", false),
    TOOL(93, ":/images/bottom.png", "Bottom", false),
    TOOL(94, ":/images/conductor.png", "Conductor", false),
    TOOL(95, ":/images/diode.png", "Diode", false),
    TOOL(96, ":/images/stabilitron.png", "Stabilitron", false),
    TOOL(97, ":/images/lamp.png", "Lamp", false),
    TOOL(98, ":/images/bell.png", "Bell", false),
    TOOL(99, ":/images/luminodiode.png", "Luminodiode", false),
    TOOL(100, ":/images/signallamp.png", "Signallamp", false),
    TOOL(101, ":/images/button.png", "Button", false),
    TOOL(102, ":/images/commutator.png", "Commutator", false),
    TOOL(103, ":/images/keystaff.png", "Keystaff", false),
    TOOL(104, ":/images/ammetr.png", "Ammeter", false),
    TOOL(105, ":/images/autoswitch.png", "AutoSwitch", false),
};

const ActionEntry toolRsh[] = {
    TOOL(106, ":/images/measuring.png", "MeasuringPanel", false),
    TOOL(107, ":/images/heating.png", "Heating", false),
    TOOL(108, ":/images/box.png", "Box", false),
    TOOL(109, ":/images/interrupter.png", "Interrupter", false),
};

const ActionEntry toolDcVarnel[] = {
    TOOL(110, ":/images/mts.png", "Command", false),
};

const ActionEntry toolDraw[] = {
    TOOL(111, ":/images/text.png", "Text", false),
    TOOL(112, ":/images/line.png", "Line", true),
    TOOL(113, ":/images/circle.png", "Ellipse", true),
    TOOL(114, ":/images/rect.png", "Rect", true),
    TOOL(115, ":/images/pixmap.png", "Pixmap", false),
};

const ActionEntry toolFrame[] = {
    TOOL(116, ":/images/panel.png", "Panel", false),
    TOOL(117, ":/images/board.png", "Board", false),
};

} // namespace

#define SECTION(title, entries) { ACTION_TEXT(title), entries, int(sizeof(entries) / sizeof(entries[0])) }

const ActionSection menuSections[] = {
    SECTION("Project", menuProject),
    SECTION("Edit", menuEdit),
    SECTION("View", menuView),
    SECTION("Edit mode", menuEditMode),
    SECTION("Service", menuService),
    SECTION("Help", menuHelp),
};
const int menuSectionCount = int(sizeof(menuSections) / sizeof(menuSections[0]));

const ActionSection contextSections[] = {
    SECTION("Group scheme", contextSchemeGroup),
    SECTION("Scheme", contextScheme),
    SECTION("Group frame", contextFrameGroup),
    SECTION("Frame", contextFrame),
    SECTION("Group spec", contextSpecGroup),
    SECTION("Spec", contextSpec),
};
const int contextSectionCount = int(sizeof(contextSections) / sizeof(contextSections[0]));

const ActionSection toolBoxSections[] = {
    SECTION("Basic", toolBasic),
    SECTION("RSH", toolRsh),
    SECTION("DC VARNEL", toolDcVarnel),
    SECTION("Draw", toolDraw),
    SECTION("Frame", toolFrame),
};
const int toolBoxSectionCount = int(sizeof(toolBoxSections) / sizeof(toolBoxSections[0]));

#undef SECTION
#undef TOOL
#undef CONTEXT
#undef MENU
#undef SEPARATOR
#undef ACTION_TEXT
