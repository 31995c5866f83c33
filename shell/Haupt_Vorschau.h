#pragma once
// The controls of the preview pane at the right edge of view mode 1: the file selected
// in the left list, a picture scaled into the 150 x 150 square or a media file in the
// player. Builder and handlers: Haupt_Vorschau.cpp.

class THauptForm;
class QFrame;
class QLabel;
class QStackedWidget;
class TGradientFill;
class QWidget;
class TMediaPlayer;

struct THauptVorschau {
    QStackedWidget *ExplorerVorschau = nullptr; // page "Vorgabe", 150 px wide
    QWidget *ExplorerScrollBox01 = nullptr;     // 150 x 150, black; also the video display
    QLabel *ExplorerImage01 = nullptr;
    TMediaPlayer *ExplorerMediaPlayer = nullptr;
    TGradientFill *ExplorerGradientFill01 = nullptr;
    QFrame *ExplorerBevel01 = nullptr;

    QWidget *CreatePreviewPane(QWidget *parent);
    void ShowExplorerPreview(const QString &FileName);
    // Empties the picture and closes a media file.
    void ClearExplorerPreview();
    void MediaPlayerNotify();
    void ExplorerMediaPlayerClick();

protected:
    // The main window this page belongs to.
    THauptForm &Form();
};
