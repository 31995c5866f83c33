#pragma once
// The view modes of the upper half: which pages Explorer01 and Explorer02 show, the
// preview pane, the half split that follows the window width, the View items and the
// rename page's view toggles. Builder and handlers: Haupt_Ansicht.cpp.

#include <array>
#include <cmath>
#include <cstdint>

class THauptForm;
class QFrame;
class QWidget;
class TPanel;
class TSpeedButton;
class TUpDown;

// Rounds half to the even neighbour (187.5 gives 188, 396.5 gives 396).
inline int RoundEven(double Value)
{
    return int(std::nearbyint(Value));
}

// The sizes the layout takes from the main window's client width; none is below 0 and
// PreviewMin <= PreviewMax, also for a window that has no size yet.
struct TViewGeometry {
    int Half = 0;                  // Explorer01 in modes 2 to 10
    int Right = 0;                 // what the client area leaves Explorer02 beside it
    int PreviewMax = 0;            // VorschauUpDown01
    int PreviewMin = 0;
    int FileListButtonsLeft = 0;   // DLPanel02, centred
    int FileListColWidth = 0;      // DLStringGrid's name column
    int Mp3PanelWidth = 0;         // MP3Panel14, MP3Panel16
    std::array<int, 4> StatisticsColumns{}; // OrdnerStringGrid01
};
TViewGeometry ViewGeometry(int ClientWidth);

struct THauptAnsicht {
    QFrame *Bevel01 = nullptr;         // the line between the upper half and PageControl
    QFrame *BevelExplorer01 = nullptr; // between the left side and the right side
    TPanel *VorschauPanel04 = nullptr; // the rename preview's bar above its grid
    TSpeedButton *VorschauSB01 = nullptr; // closes the rename preview
    TUpDown *VorschauUpDown01 = nullptr;  // column width of the rename preview
    // PageControl pages 1 to 4: attributes, sorting, folders, graphics.
    QWidget *TabSheet02 = nullptr, *TabSheet03 = nullptr, *TabSheet04 = nullptr, *TabSheet05 = nullptr;

    // Builder: the frame's lower half, the pages of both sides that no other page
    // created, the explorer page's arrangement; after the pages exist.
    void CreateViewModes();
    // Puts a mode on screen; ViewMode is set by the caller. 0 and 11 and above only
    // narrow a wide tree pane.
    void SetViewMode(std::uint8_t Mode);
    // Sizes grids and panels from the main window's client width (ViewGeometry).
    void ArrangeMainWindow();
    // Every resize: the sizes, then the current mode again.
    void FormResize();

    // Transitions of the page toggles; each ends in SetViewMode(ViewMode).
    void RenamePreviewDown();
    void RenamePreviewUp();
    void FolderPreviewDown();
    void FolderPreviewUp();
    void FileListChecked();
    void FileListUnchecked();
    void Mp3SubViewChosen();
    void Mp3SubViewLeft();
    void FolderTreesChosen();
    void FolderRenamingChosen();

    // The View items and their tool buttons.
    void HMenuAnsichtDateiauswahlClick();
    void HMenuAnsichtDragDropClick();
    void HMenuAnsichtDateiAttributeClick();
    void HMenuAnsichtOrdnerFuellClick();
    void HMenuAnsichtVorschauClick();
    void HMenuAnsichtThumbsClick();

    // The rename page's view toggles and the preview page.
    void DatUmbVorschauClick();
    void DatUmbDateiListeClick();
    void VorschauSB01Click();
    void VorschauUpDown01Click();
    // The preview's columns keep to the up-down's range and to one width.
    void VorschauStringGrid01MouseMove();

protected:
    // The main window this page belongs to.
    THauptForm &Form();

private:
    void ReleasePreviewButtons(bool FolderPreviewToo);
};
