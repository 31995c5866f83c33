#pragma once
// The MP3 view of the rename page (DatUmb01 page 3: naming scheme, tag editor, album
// and sort buttons) and the album page beside it (Explorer02 page "MP3", view mode 7).
// Builder: Haupt_MP3.cpp; the work behind the handlers: operations/fktMP3Tags.

#include <QChar>

class THauptForm;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;
class TCheckBox;
class TEdit;
class TID3Tag;
class TMemo;
class TPanel;
class TRadioGroup;
class TSpeedButton;
class TUpDown;

struct THauptMP3 {
    TID3Tag *ID3Tag = nullptr; // the tag of the file the editor shows

    // The MP3 view.
    TRadioGroup *MP3RadioGroup1 = nullptr; // naming scheme 0 to 3
    TEdit *MP3Interpret = nullptr, *MP3Titel = nullptr, *MP3Album = nullptr, *MP3Kommentar = nullptr;
    TEdit *MP3Jahr = nullptr;              // digits only
    QComboBox *MP3Genre01 = nullptr;       // editable, sorted: the genre names
    TRadioGroup *MP3TagVersion = nullptr;  // "V1.0", "V1.1" (with track)
    TEdit *MP3Track = nullptr;             // read-only, shows MP3TrackUpDown (0..255)
    TUpDown *MP3TrackUpDown = nullptr;
    // Save the edits, remove tags, write album tags, sort by artist.
    TSpeedButton *MP3SpeedButton1 = nullptr, *MP3SpeedButton2 = nullptr, *MP3SpeedButton3 = nullptr,
                 *MP3SpeedButton4 = nullptr;
    // Artist, title, album, comment, year, genre, track.
    QLabel *MP3Label01 = nullptr, *MP3Label02 = nullptr, *MP3Label03 = nullptr, *MP3Label04 = nullptr,
           *MP3Label05 = nullptr, *MP3Label06 = nullptr, *MP3Label07 = nullptr;
    TCheckBox *MP3Autoplay = nullptr;

    // The album page: the heading MP3Label08 over MP3Panel03; the left column
    // MP3Panel16 (artist MP3Panel15, album MP3Panel05, comment MP3Panel10, year
    // MP3Panel08 with genre MP3Panel11, tag version, clearing) and the titles MP3Panel14.
    QLabel *MP3Label08 = nullptr;
    TPanel *MP3Panel03 = nullptr, *MP3Panel05 = nullptr, *MP3Panel08 = nullptr, *MP3Panel10 = nullptr,
           *MP3Panel11 = nullptr, *MP3Panel14 = nullptr, *MP3Panel15 = nullptr;
    QWidget *MP3Panel16 = nullptr;
    TEdit *MP3Album02 = nullptr, *MP3Interpret02 = nullptr, *MP3Jahr02 = nullptr, *MP3Kommentar02 = nullptr;
    TMemo *MP3InterpretMemo02 = nullptr; // one artist per file, shown with MP3InterpretCB checked
    TMemo *MP3TitelMemo02 = nullptr;     // one title per file
    TCheckBox *MP3InterpretCB = nullptr;
    QComboBox *MP3Genre02 = nullptr;
    TRadioGroup *MP3TagVersion02 = nullptr;
    QPushButton *MP3EintraegeLoeschen = nullptr;

    // Builds both pages into the empty "MP3" pages of DatUmb01 and Explorer02.
    void CreateMp3Pages();
    // Start-up: the genre names into both genre boxes, album tags as "V1.1", no file
    // in the editor.
    void ResetMp3Editor();

    // ---- Handlers ----
    void MP3SpeedButton1Click(); // save the edits
    void MP3SpeedButton2Click(); // remove the tags of the batch
    void MP3SpeedButton3Click(); // album tags
    // Change of every editor field and click of MP3TagVersion.
    void MP3ID3TagChange();
    void MP3InterpretCBClick();
    void MP3EintraegeLoeschenClick();
    // Key filters of the year fields: digits and Backspace pass; Key set to a null
    // character drops the key.
    void MP3JahrKeyPress(QChar &Key);
    void MP3Jahr02KeyPress(QChar &Key);

protected:
    THauptForm &Form();
};
