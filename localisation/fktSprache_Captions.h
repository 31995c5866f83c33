#pragma once
// The table of the main window's texts: which text of which control gets which text id.
// ApplyLanguageCaptions (fktSprache.h) walks it; every control is found by its object name.

#include <QString>

#include <span>

class QObject;

enum class TextKind {
    Caption,         // label, button, check box, panel, option group, menu or menu item
    Hint,            // tool tip; of a menu item also its status-bar text
    Items,           // the lines of an option group, then item 0 chosen (its click handler runs)
    ItemsUnselected, // the lines of an option group or list box, nothing chosen
    TabCaption,      // the tab of a page of a tab widget
    EditText,        // the text of an edit field
    ColumnHeader,    // row 0 of a string grid, column Last
    ChartTitle,      // the only title line of a chart
};

struct MainWindowText {
    const char *Control; // object name
    TextKind Kind;
    int Id;       // German text id
    int Last = 0; // Items: the last id of the range Id..Last; ColumnHeader: the column
};

// The rows of one part of the window (a page, a view, the menus); Name is its name in tests.
struct MainWindowPage {
    const char *Name;
    std::span<const MainWindowText> Texts;
};

std::span<const MainWindowPage> MainWindowTexts();

// Puts the row's text(s) in the chosen language on Control. False when Control is of a
// kind that has no such text.
bool ApplyMainWindowText(QObject *Control, const MainWindowText &Row);
// Puts every text that the table gives Control (by its object name) on it: for a builder
// whose layout or handlers need a control's items before the window's texts are applied.
void ApplyMainWindowTexts(QObject *Control);
// The visible text of Control; "&" marks the access key ("&&" shows one "&"), also on a
// label without a buddy, which shows the text without the marks. False when Control has
// no caption.
bool SetControlCaption(QObject *Control, const QString &Caption);
