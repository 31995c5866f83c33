#pragma once
// Icon extraction of the graphics page: the icons of the chosen files as tiles in
// ScrollBoxIcons, saved as ICO or BMP files in the folder "Icons" of the working folder.
// The files themselves are read by platform/icons/ExtractIcon.

#include <QImage>
#include <QWidget>

#include <memory>

class QPaintEvent;

// A tile of the icons page: owns a copy of one icon, drawn stretched over the control.
class TrvIcon : public QWidget {
public:
    explicit TrvIcon(QWidget *AOwner);
    const QImage &Icon() const { return icon_; }
    void setIcon(const QImage &Value); // copies Value's image

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage icon_;
};

// Each extracted icon goes here before a new tile copies it. Made by the main window's
// FormCreate, freed by its FormDestroy.
extern std::unique_ptr<QImage> IconBuffer;

// Width of a full row of tiles: 8 tiles from x = 2, 34 pixels apart.
inline constexpr int IconRowWidth = 2 + 8 * 34;

// The tiles of ScrollBoxIcons, in their order.
QList<TrvIcon *> IconTiles();
// Frees every tile.
void FreeIconTiles();

// Rebuilds the tiles from the selected files (with GrafikRekursiv, the files of the
// active tree folder and below): 8 tiles a row from (2, 2), 34 pixels apart; an icon that
// cannot be read adds none. Holds the batch guard and lets the message loop run after
// every tile.
void ExtractIconsOfFiles();
// Save every tile's icon as "<n>.ico" (32 x 32 with transparency) or "<n>.bmp" (24 bits
// on white) in Arbeitsverzeichnis + "Icons/": tile i takes the first number from i on of
// which nothing exists, a dangling link included. Files are created exclusively; a
// failed write leaves no partial file and ends the saving with an Error box naming the
// file and the system's reason. Nothing happens while a batch runs.
void SaveIconsAsIco();
void SaveIconsAsBmp();

// The window is being closed: a running extraction ends after its current tile and then
// closes the window. False when no extraction runs.
bool CloseAfterIconExtraction();
