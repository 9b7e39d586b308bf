#pragma once

#include "RegisterChecks.h"

#include "common/RecordsetModel.h"

#include "platform/db/Recordset.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace trelimor {

class RegisterWindow;

// A button: its object name, caption and tooltip.
struct ButtonDef
{
    QString name;
    QString caption;
    QString tooltip;
};

enum class BoxKind {
    Line,      // one-line text box
    Masked,    // masked box (MaskedEdit); its mask may be empty
    Combo,     // combo box with a list, any text may be typed
    MultiLine, // several lines
    Check,     // check box; "T" in the field ticks it
    Label,     // a label showing the value; code sets it, the user does not type into it
};

// How a masked box shows a stored value in a correction.
enum class MaskOnLoad {
    Keep,           // the mask stays
    DropWhenStored, // a stored value is shown without the mask; a null leaves the empty mask
    DropAlways,     // the box is plain text for the whole correction
};

enum class SaveRule {
    Always,        // written by every save
    NewRowOnly,    // written when a row is added (a key that a correction cannot change)
    WhenComplete,  // written only when no prompt character is left in the box
    Never,         // shown, never written
    ExclusiveFlag, // ticked: "T" here and null in every other row of the table
};

// One box of the edit frame and the field it edits.
struct FieldDef
{
    FieldDef(QString fieldName, QString boxName, BoxKind boxKind = BoxKind::Line, QString caption = {})
        : field(std::move(fieldName))
        , box(std::move(boxName))
        , kind(boxKind)
        , label(std::move(caption))
    {}

    QString field; // the table's field (matched without regard to case)
    QString box;   // the control's name
    BoxKind kind = BoxKind::Line;
    QString label;        // caption before the box (for a check box: its caption)
    QString suffix;       // caption after the box, on the same line
    bool sameRow = false; // the box follows the box before it on its line
    QString tooltip;
    int maxLength = 0; // characters the box takes (several-line boxes too); 0 for no limit
    QString mask;      // masked boxes: "#" a digit, other characters stand as they are
    MaskOnLoad maskOnLoad = MaskOnLoad::Keep;
    QStringList items;     // the combo's list
    bool readOnly = false; // shown, not typed into (a proposed number)
    SaveRule save = SaveRule::Always;
    bool trim = false;              // trimmed before it is written
    int cut = 0;                    // cut to its first characters (after trimming); 0 for no cut
    bool nullUnlessNumeric = false; // a text that is not a number is written as null
    bool enterIgnored = false;      // several-line boxes: Enter starts no new line
    // Boxes with the same group stand together in a frame of that name; the first box of the
    // group gives the frame's caption.
    QString group;
    QString groupCaption;
    // ExclusiveFlag: an unticked box writes null (otherwise it leaves the row's mark alone).
    bool untickedClears = false;
    // The frame makes the box but leaves it out of its lines: the window places it (on a tab
    // page, say) and gives it its label.
    bool placedByWindow = false;
};

// How "&Dodaj" proposes the key of a new row.
enum class KeyProposal {
    Typed,       // the user types it
    LastPlusOne, // the last key in key order + 1; the data control then shows that order
    CountPlusOne // the number of rows + 1
};

struct KeyRule
{
    QString field;
    QString box;
    KeyProposal proposal = KeyProposal::Typed;
    QString orderedSql; // LastPlusOne: the table in key order
    bool editableInCorrection = true;
};

// The test that keeps a field unique. The value tested is the one stored (the box's text by
// the field's rules: trimmed, cut). A new row is tested against every row, a correction that changes the
// value against the other rows (when the register tests corrections at all).
struct DuplicateTest
{
    QString field;
    QString box;
    bool testsCorrections = false;
    std::function<QString(const FrameValues&)> message;
    QString title;
    ui::Icon icon = ui::Icon::Information;
    QString focus;
};

struct DeleteRule
{
    QString question;      // the Yes/No question (No the default)
    QString questionField; // when set, the trimmed field of the current row follows the question
    QString title;
    bool ask = true;
    bool lockWhileAsking = false;
    bool beepWhenEmpty = false;
    bool beepAfterDelete = false;
    // Runs the query again afterwards (first row current); otherwise the next row becomes
    // current, or the last one when the deleted row was the last.
    bool refreshAfter = true;
};

// An order the user chooses with an option button, and the field its search compares.
struct SortOption
{
    ButtonDef option;
    QString sql;
    QString searchField;
};

enum class SearchKind {
    None,
    // "&Szukaj" shows the search box; each change of its text makes current the first row whose
    // field of the chosen order begins with the text (letter case ignored).
    Positioning,
    // The search box is always shown; each change of its text shows only the rows whose field,
    // chosen by the criterion combo, begins with the text (letter case ignored), in that
    // field's order. A criterion the combo does not list exactly leaves the rows as they are.
    Filtering,
};

// A criterion of a filtering search: its text in the combo and the field it searches.
struct SearchCriterion
{
    QString text;
    QString field;
};

struct SearchRule
{
    SearchKind kind = SearchKind::None;
    ButtonDef button; // opens the search
    QString box = QStringLiteral("TextSzuk");
    ButtonDef accept{QStringLiteral("ComSzukAkc"), QStringLiteral("OK"), {}};
    QString keyField;       // proposed into the box when the order is the first option's
    int proposedLength = 8; // characters of the proposal that are selected
    // Filtering: the combo of criteria with the label before it, and the label of the box.
    ButtonDef criterion;
    QString boxLabel;
    std::vector<SearchCriterion> criteria;
};

// A button of the register beyond the pattern's.
struct ExtraButton
{
    ButtonDef button;
    bool visible = true; // Klawisze switches it when the register lists it among its locked controls
    std::function<void(RegisterWindow&)> clicked;
};

struct RegisterHooks
{
    // The window is shown while the shared first-activation flag is set.
    std::function<void(RegisterWindow&)> firstActivation;
    // Inside the save's transaction, after the fields are written and before the row is stored.
    std::function<void(RegisterWindow&, db::Recordset&, const FrameValues&)> beforeUpdate;
    // "&Zamknij": true hides the window (the default).
    std::function<bool(RegisterWindow&)> close;
    // The grid's pick action (nothing by default).
    std::function<void(RegisterWindow&)> pick;
    // A correction has filled the frame from the row it corrects.
    std::function<void(RegisterWindow&, const db::Recordset&)> loaded;
    // A save has stored its row and the frame is closed.
    std::function<void(RegisterWindow&)> saved;
    // The frame has just opened for a new row or a correction, filled and shown.
    std::function<void(RegisterWindow&)> frameOpened;
    // Adds to the frame's values, before the checks, what the window holds outside the frame
    // (a label its opener set).
    std::function<void(const RegisterWindow&, FrameValues&)> windowValues;
};

// Everything that makes a register window one register: the table, the window's controls with
// their names and captions, and the rules of its operations.
struct RegisterConfig
{
    QString windowName;
    QString caption;
    ButtonDef heading; // name and text of the heading label; no label when the text is empty
    // The table the window edits; when empty, the table of the rows its opener bound.
    QString table;

    QString dataControl;
    QString grid;
    QList<GridColumn> columns;
    bool selectWholeRow = true;

    QString frame;
    QString newCaption;
    QString correctionCaption;
    std::vector<FieldDef> fields;
    ButtonDef save;
    ButtonDef cancel;
    QString focusOnAdd;
    QString focusOnCorrection;
    QStringList enterMovesOn; // boxes where Enter moves the focus on

    ButtonDef add;
    ButtonDef correct;
    ButtonDef remove;
    ButtonDef close;
    std::vector<ExtraButton> extraButtons;

    // What Klawisze switches, in order. With sort options, unlocking enables them all and
    // locking disables only those not selected.
    QStringList locked;
    std::vector<SortOption> orderings;
    ButtonDef orderingFrame; // when named, the option buttons stand in a frame with this caption

    KeyRule key;
    bool correctBeepsWhenEmpty = true;
    std::vector<Check> checks;
    std::optional<DuplicateTest> duplicate;
    QString saveErrorTitle;
    DeleteRule deletion;
    SearchRule search;
    RegisterHooks hooks;
};

} // namespace trelimor
