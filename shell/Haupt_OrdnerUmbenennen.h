#pragma once
// The rename sub-view of the folder page: the folder rule, the fields of each rule on
// the pages of OrdnerNB02, the recursion box and the preview switch. Builder:
// Haupt_OrdnerUmbenennen.cpp; the rules: operations/fktOrdner.

class QLabel;
class QStackedWidget;
class QWidget;
class TCheckBox;
class TEdit;
class TRadioGroup;
class TSpeedButton;
class TUpDown;

struct THauptOrdnerUmbenennen {
    // The rule: 0 replace, 1 insert, 2 cut, 3 letter case, 4 shorten.
    TRadioGroup *RadioGroupOrdU1 = nullptr;
    // The fields of the rule, page i for rule i.
    QStackedWidget *OrdnerNB02 = nullptr;
    // Rule 0: the text to replace and its replacement (may be empty).
    QLabel *LabelOrdU1 = nullptr, *LabelOrdU2 = nullptr;
    TEdit *EditOrdU1 = nullptr, *EditOrdU2 = nullptr;
    // Rule 1: the text to insert, the position (0..255) from the start or the end.
    QLabel *LabelOrdU3 = nullptr, *LabelOrdU4 = nullptr;
    TEdit *EditOrdU3 = nullptr;
    TEdit *OrdnerZKPosition = nullptr; // read-only, shows OrdnerZKPositionUpDown
    TUpDown *OrdnerZKPositionUpDown = nullptr;
    TRadioGroup *RadioGroupOrdU3 = nullptr;
    // Rule 2: the count (0..255) and the position (1..255) from the start or the end.
    QLabel *LabelOrdU5 = nullptr, *LabelOrdU6 = nullptr;
    TEdit *OrdnerZKEnt = nullptr; // read-only, shows OrdnerZKEntUpDown
    TUpDown *OrdnerZKEntUpDown = nullptr;
    TEdit *OrdnerZKPosition02 = nullptr; // read-only, shows OrdnerZKPosition02UpDown
    TUpDown *OrdnerZKPosition02UpDown = nullptr;
    TRadioGroup *RadioGroupOrdU4 = nullptr;
    // Rule 3: first letter, word starts, upper, lower, swapped.
    TRadioGroup *RadioGroupOrdU2 = nullptr;
    // Rule 4: the length (0..255) to shorten to, removing at the start or the end.
    QLabel *LabelOrdU7 = nullptr;
    TEdit *OrdnerAnzEnt = nullptr; // read-only, shows OrdnerAnzEntUpDown
    TUpDown *OrdnerAnzEntUpDown = nullptr;
    TRadioGroup *RadioGroupOrdU5 = nullptr;
    // Source: the active tree folder and every folder below it, not the list's selection.
    TCheckBox *OrdnerRekursiv = nullptr;
    TSpeedButton *OrdnerVorschauSB = nullptr; // the folder preview on while down

    // Builder: RuleArea (placed by the caller) gets RadioGroupOrdU1 beside OrdnerNB02,
    // SwitchArea gets OrdnerRekursiv above OrdnerVorschauSB; each is laid out here.
    void CreateFolderRenameView(QWidget *RuleArea, QWidget *SwitchArea);
};
