#pragma once
// The thumbnail page (Explorer02 page 6 "JPEGThumbs", view 10) and the picture hint
// beside the two file lists. Builder and handlers: Haupt_Thumbs.cpp; the thumbnails
// themselves: fktThumbs, the hint window: frmThumbHint.

#include <QPoint>
#include <QString>

class THauptForm;
class QLabel;
class QScrollArea;
class QWidget;
class TCheckBox;
class TEdit;
class TPanel;
class TStatusBar;
class TUpDown;

struct THauptThumbs {
    TPanel *ThumbsPanel02 = nullptr;          // the bar above the thumbnails
    QWidget *ThumbsGradientFill02 = nullptr;  // its background
    QLabel *ThumbsLabel01 = nullptr;          // the title
    TCheckBox *ThumbsRekursiv = nullptr;      // the whole folder tree
    QLabel *ThumbsLabel02 = nullptr;          // "size"
    TEdit *ThumbsEdit01 = nullptr;            // shows the size
    TUpDown *ThumbsUpDown01 = nullptr;        // 25 to 250
    QScrollArea *ThumbScrollBox = nullptr;    // the tiles, at absolute positions in content that grows with them
    TStatusBar *ThumbsStatusBar = nullptr;    // panel 0 the count, 1 the path under the mouse

    void CreateThumbnailPage();
    // A folder change of the left explorer: in view 10, thumbnails of Folder.
    void ShowThumbnailsOf(const QString &Folder);

    void ThumbsRekursivClick();
    void ThumbsUpDown01Click();
    void ThumbScrollBoxMouseMove();
    void ThumbsPanel02MouseMove();
    void ThumbsStatusBarMouseMove();
    void ThumbsGradientFill02MouseMove();
    // The hint beside the lists: Item the item under the mouse (-1: none), P the cursor.
    void ShellListView01MouseMove(int Item, QPoint P);
    void ShellListView02MouseMove(int Item, QPoint P);

protected:
    // The main window this page belongs to.
    THauptForm &Form();
};
