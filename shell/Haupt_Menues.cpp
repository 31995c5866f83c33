// The main menu, the tool bar with its images and the pop-ups of the explorers.
// The handlers live in Haupt_MenuesHandler.cpp.

#include "shell/Haupt.h"

#include "components/MenuStyler.h"
#include "localisation/fktSprache.h"
#include "operations/fktAttribute.h"
#include "operations/fktSortieren.h"
#include "operations/fktUmbenennen.h"
#include "platform/toolkit/MenuItem.h"
#include "shell/Info.h"

#include <QButtonGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <iterator>
#include <utility>

namespace {

// The images of ImageList01: the style's standard images, one distinct image per index.
struct Image {
    int Index;
    QStyle::StandardPixmap Pixmap;
};
constexpr Image Images[] = {
    {0, QStyle::SP_ArrowBack},                 // undo
    {1, QStyle::SP_ComputerIcon},              // options
    {4, QStyle::SP_DialogCloseButton},         // close the program
    {5, QStyle::SP_DirOpenIcon},               // file selection
    {6, QStyle::SP_FileDialogStart},           // rename preview
    {10, QStyle::SP_DialogApplyButton},        // rename
    {15, QStyle::SP_DriveHDIcon},              // folder fill level
    {16, QStyle::SP_DialogYesButton},          // select all
    {17, QStyle::SP_ArrowDown},                // sort
    {18, QStyle::SP_FileIcon},                 // file attributes view
    {19, QStyle::SP_DirLinkIcon},              // drag and drop
    {20, QStyle::SP_DialogResetButton},        // change attributes
    {21, QStyle::SP_DialogHelpButton},         // help
    {22, QStyle::SP_MessageBoxInformation},    // info
    {23, QStyle::SP_BrowserReload},            // refresh
    {24, QStyle::SP_DesktopIcon},              // thumbnails
    {25, QStyle::SP_FileDialogContentsView},   // large icons
    {26, QStyle::SP_FileDialogInfoView},       // small icons
    {27, QStyle::SP_FileDialogListView},       // list
    {28, QStyle::SP_FileDialogDetailedView},   // report
};

// The tool bar paints its background through ToolBarAdvancedCustomDraw.
class GradientToolBar : public QToolBar {
public:
    explicit GradientToolBar(THauptForm &form) : QToolBar(&form), form_(form) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter canvas(this);
        RunGuarded([&] { form_.ToolBarAdvancedCustomDraw(canvas); });
    }

private:
    THauptForm &form_;
};

// The captions and hints of the menus, items and buttons come from the window's text
// table (ApplyLanguageCaptions); the builders below set none.

// A menu item added to Menu.
TMenuItem *NewItem(THauptForm &f, QMenu *Menu, const char *Name, int Image = -1, const QKeySequence &ShortCut = {})
{
    auto *item = new TMenuItem(&f, QLatin1String(Name));
    if (Image >= 0)
        item->setIcon(f.ImageList01[size_t(Image)]);
    item->setShortcut(ShortCut);
    Menu->addAction(item);
    return item;
}

QMenu *NewMenu(THauptForm &f, const char *Name)
{
    QMenu *menu = f.menuBar()->addMenu(QString());
    menu->setObjectName(QLatin1String(Name));
    return menu;
}

QAction *NewSeparator(QMenu *Menu, const char *Name)
{
    QAction *separator = Menu->addSeparator();
    separator->setObjectName(QLatin1String(Name));
    return separator;
}

// The next tool button of the bar, showing image Image.
QToolButton *NewButton(THauptForm &f, const char *Name, int Image)
{
    auto *button = new QToolButton(f.ToolBar);
    button->setObjectName(QLatin1String(Name));
    button->setAutoRaise(true);
    button->setIcon(f.ImageList01[size_t(Image)]);
    f.ToolBar->addWidget(button);
    return button;
}

// Click runs on the item's trigger and on each button's click.
void Bind(THauptForm &f, QAction *Item, std::initializer_list<QToolButton *> Buttons,
          const std::function<void()> &Click)
{
    QObject::connect(Item, &QAction::triggered, &f, [Click] { RunGuarded(Click); });
    for (QToolButton *button : Buttons)
        QObject::connect(button, &QToolButton::clicked, &f, [Click] { RunGuarded(Click); });
}

} // namespace

void THauptMenues::CreateMenus()
{
    THauptForm &f = Form();
    for (const Image &image : Images)
        ImageList01[size_t(image.Index)] = f.style()->standardIcon(image.Pixmap);

    // ---- Main menu ----
    HMenuDatei = NewMenu(f, "HMenuDatei");
    HMenuDateiRueckgaengig = NewItem(f, HMenuDatei, "HMenuDateiRueckgaengig", 0);
    HMenuDateiRueckgaengig->setEnabled(false);
    HMenuDateiOptionen = NewItem(f, HMenuDatei, "HMenuDateiOptionen", 1);
    HMenuDateiSprache = NewItem(f, HMenuDatei, "HMenuDateiSprache");
    HMenuDateiTrenner01 = NewSeparator(HMenuDatei, "HMenuDateiTrenner01");
    HMenuDateiProgDeInst = NewItem(f, HMenuDatei, "HMenuDateiProgDeInst");
    HMenuDateiTrenner02 = NewSeparator(HMenuDatei, "HMenuDateiTrenner02");
    HMenuDateiProgEnde = NewItem(f, HMenuDatei, "HMenuDateiProgEnde", 4, Qt::Key_Escape);

    HMenuAnsicht = NewMenu(f, "HMenuAnsicht");
    HMenuAnsichtDateiauswahl = NewItem(f, HMenuAnsicht, "HMenuAnsichtDateiauswahl", 5, Qt::Key_F2);
    HMenuAnsichtDragDrop = NewItem(f, HMenuAnsicht, "HMenuAnsichtDragDrop", 19, Qt::Key_F3);
    HMenuAnsichtDateiAttribute = NewItem(f, HMenuAnsicht, "HMenuAnsichtDateiAttribute", 18, Qt::Key_F4);
    HMenuAnsichtOrdnerFuell = NewItem(f, HMenuAnsicht, "HMenuAnsichtOrdnerFuell", 15, Qt::Key_F5);
    HMenuAnsichtVorschau = NewItem(f, HMenuAnsicht, "HMenuAnsichtVorschau", 6, Qt::Key_F6);
    HMenuAnsichtThumbs = NewItem(f, HMenuAnsicht, "HMenuAnsichtThumbs", 24, Qt::Key_F7);

    HMenuAktionen = NewMenu(f, "HMenuAktionen");
    HMenuAktionenDateiLoeschen = NewItem(f, HMenuAktionen, "HMenuAktionenDateiLoeschen");
    HMenuAktionenUmbenennen = NewItem(f, HMenuAktionen, "HMenuAktionenUmbenennen", 10);
    HMenuAktionenAttrAendern = NewItem(f, HMenuAktionen, "HMenuAktionenAttrAendern", 20);
    HMenuAktionenSortieren = NewItem(f, HMenuAktionen, "HMenuAktionenSortieren", 17);

    HMenuInfo = NewMenu(f, "HMenuInfo");
    HMenuInfoHilfe = NewItem(f, HMenuInfo, "HMenuInfoHilfe", 21, Qt::Key_F1);
    HMenuInfoInfo = NewItem(f, HMenuInfo, "HMenuInfoInfo", 22);

    // ---- Tool bar ----
    ToolBar = new GradientToolBar(f);
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setMovable(false);
    ToolBar->setIconSize(QSize(16, 16));
    f.addToolBar(ToolBar);
    TB01Refresh = NewButton(f, "TB01Refresh", 23);
    ToolBar->addSeparator();
    TB01Rueckgaengig = NewButton(f, "TB01Rueckgaengig", 0);
    TB01Rueckgaengig->setEnabled(false);
    TB01Optionen = NewButton(f, "TB01Optionen", 1);
    TB01ProgEnde = NewButton(f, "TB01ProgEnde", 4);
    ToolBar->addSeparator();
    TB01LargeIcon = NewButton(f, "TB01LargeIcon", 25);
    TB01SmallIcon = NewButton(f, "TB01SmallIcon", 26);
    TB01List = NewButton(f, "TB01List", 27);
    TB01Report = NewButton(f, "TB01Report", 28);
    auto *styles = new QButtonGroup(ToolBar);
    for (QToolButton *button : {TB01LargeIcon, TB01SmallIcon, TB01List, TB01Report}) {
        button->setCheckable(true);
        styles->addButton(button);
    }
    TB01List->setChecked(true);
    ToolBar->addSeparator();
    TB01Dateiauswahl = NewButton(f, "TB01Dateiauswahl", 5);
    TB01DragDrop = NewButton(f, "TB01DragDrop", 19);
    TB01DateiAttribute = NewButton(f, "TB01DateiAttribute", 18);
    TB01OrdnerFuell = NewButton(f, "TB01OrdnerFuell", 15);
    TB01Vorschau = NewButton(f, "TB01Vorschau", 6);
    TB01Thumbs = NewButton(f, "TB01Thumbs", 24);
    ToolBar->addSeparator();
    TB01Umbenennen = NewButton(f, "TB01Umbenennen", 10);
    TB01AttrAendern = NewButton(f, "TB01AttrAendern", 20);
    TB01Sortieren = NewButton(f, "TB01Sortieren", 17);
    TB01Markieren = NewButton(f, "TB01Markieren", 16);
    ToolBar->addSeparator();
    ToolButton1 = NewButton(f, "ToolButton1", 21);
    ToolButton2 = NewButton(f, "ToolButton2", 22);
    // The table leaves out the two help buttons: their hints are those of their items.

    // ---- Pop-ups ----
    PopupMenu01 = new QMenu(&f);
    PopupMenu01->setObjectName(QStringLiteral("PopupMenu01"));
    PM01DateiLoeschen = NewItem(f, PopupMenu01, "PM01DateiLoeschen");
    PM01DateiUmbenennen = NewItem(f, PopupMenu01, "PM01DateiUmbenennen", 10);
    PM01AttrAendern = NewItem(f, PopupMenu01, "PM01AttrAendern", 20);
    PM01Sortieren = NewItem(f, PopupMenu01, "PM01Sortieren", 17);
    for (TMenuItem *item : {PM01AttrAendern, PM01Sortieren}) {
        item->setEnabled(false);
        item->setVisible(false);
    }
    PopupMenu01->addSeparator();
    PM01AllesMarkieren = NewItem(f, PopupMenu01, "PM01AllesMarkieren", 16);
    PopupMenu01->addSeparator();
    PM01Eigenschaften = NewItem(f, PopupMenu01, "PM01Eigenschaften");

    PopupMenu02 = new QMenu(&f);
    PopupMenu02->setObjectName(QStringLiteral("PopupMenu02"));
    PM02OrdnerNeu = NewItem(f, PopupMenu02, "PM02OrdnerNeu");
    PM02OrdnerNeu->setVisible(false);
    PM02Eigenschaften = NewItem(f, PopupMenu02, "PM02Eigenschaften");

    // ---- Flat menus ----
    MenuStyler = new TMenuStyler(&f);
    MenuStyler->setObjectName(QStringLiteral("MenuStyler"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    MenuStyler->SetFont(tahoma, clMenuText);
    MenuStyler->AutoDetect = true;
    MenuStyler->SetActive(true);

    // ---- Handlers ----
    THauptForm *form = &f;
    Bind(f, HMenuDateiRueckgaengig, {}, [form] { form->HMenuDateiRueckgaengigClick(); });
    // The undo button runs its item and follows it: the executors and the undo set the
    // item's enabling.
    QObject::connect(TB01Rueckgaengig, &QToolButton::clicked, HMenuDateiRueckgaengig, &QAction::trigger);
    QObject::connect(HMenuDateiRueckgaengig, &QAction::changed, TB01Rueckgaengig,
                     [this] { TB01Rueckgaengig->setEnabled(HMenuDateiRueckgaengig->isEnabled()); });
    Bind(f, HMenuDateiOptionen, {TB01Optionen}, [form] { form->HMenuDateiOptionenClick(); });
    Bind(f, HMenuDateiSprache, {}, [form] { form->HMenuDateiSpracheClick(); });
    Bind(f, HMenuDateiProgEnde, {TB01ProgEnde}, [form] { form->HMenuDateiProgEndeClick(); });
    const std::pair<TMenuItem *, QToolButton *> views[] = {
        {HMenuAnsichtDateiauswahl, TB01Dateiauswahl}, {HMenuAnsichtDragDrop, TB01DragDrop},
        {HMenuAnsichtDateiAttribute, TB01DateiAttribute}, {HMenuAnsichtOrdnerFuell, TB01OrdnerFuell},
        {HMenuAnsichtVorschau, TB01Vorschau}, {HMenuAnsichtThumbs, TB01Thumbs},
    };
    void (THauptAnsicht::*const viewClicks[])() = {
        &THauptAnsicht::HMenuAnsichtDateiauswahlClick, &THauptAnsicht::HMenuAnsichtDragDropClick,
        &THauptAnsicht::HMenuAnsichtDateiAttributeClick, &THauptAnsicht::HMenuAnsichtOrdnerFuellClick,
        &THauptAnsicht::HMenuAnsichtVorschauClick, &THauptAnsicht::HMenuAnsichtThumbsClick,
    };
    for (size_t i = 0; i < std::size(views); ++i)
        Bind(f, views[i].first, {views[i].second}, [form, click = viewClicks[i]] { (form->*click)(); });
    Bind(f, HMenuAktionenDateiLoeschen, {}, [form] { form->HMenuAktionenDateiLoeschenClick(); });
    Bind(f, PM01DateiLoeschen, {}, [form] { form->HMenuAktionenDateiLoeschenClick(); });
    Bind(f, HMenuAktionenUmbenennen, {TB01Umbenennen}, HMenuAktionenUmbenennenClick);
    Bind(f, PM01DateiUmbenennen, {}, HMenuAktionenUmbenennenClick);
    Bind(f, HMenuAktionenAttrAendern, {TB01AttrAendern}, HMenuAktionenAttrAendernClick);
    Bind(f, PM01AttrAendern, {}, HMenuAktionenAttrAendernClick);
    Bind(f, HMenuAktionenSortieren, {TB01Sortieren}, HMenuAktionenSortierenClick);
    Bind(f, PM01Sortieren, {}, HMenuAktionenSortierenClick);
    Bind(f, HMenuInfoHilfe, {ToolButton1}, [form] { form->HMenuInfoHilfeClick(); });
    Bind(f, HMenuInfoInfo, {ToolButton2}, [] {
        if (InfoF)
            InfoF->ShowModal();
    });
    Bind(f, PM01AllesMarkieren, {}, [form] { form->PM01AllesMarkierenClick(); });
    QObject::connect(TB01Markieren, &QToolButton::clicked, &f, Guarded(form, &THauptExplorer::TB01MarkierenClick));
    Bind(f, PM01Eigenschaften, {}, [form] { form->PM01EigenschaftenClick(); });
    Bind(f, PM02Eigenschaften, {}, [form] { form->PM02EigenschaftenClick(); });
    QObject::connect(TB01Refresh, &QToolButton::clicked, &f, Guarded(form, &THauptExplorer::TB01RefreshClick));
    QObject::connect(TB01LargeIcon, &QToolButton::clicked, &f, Guarded(form, &THauptExplorer::TB01LargeIconClick));
    QObject::connect(TB01SmallIcon, &QToolButton::clicked, &f, Guarded(form, &THauptExplorer::TB01SmallIconClick));
    QObject::connect(TB01List, &QToolButton::clicked, &f, Guarded(form, &THauptExplorer::TB01ListClick));
    QObject::connect(TB01Report, &QToolButton::clicked, &f, Guarded(form, &THauptExplorer::TB01ReportClick));
    QObject::connect(HMenuAktionen, &QMenu::aboutToShow, &f, Guarded(form, &THauptMenues::HMenuAktionenClick));
    QObject::connect(PopupMenu01, &QMenu::aboutToShow, &f, Guarded(form, &THauptMenues::PopupMenu01Popup));
    QObject::connect(f.PageControl, &QTabWidget::currentChanged, &f, Guarded(form, &THauptMenues::PageControlChange));
}

THauptForm &THauptMenues::Form()
{
    return static_cast<THauptForm &>(*this);
}

const THauptForm &THauptMenues::Form() const
{
    return static_cast<const THauptForm &>(*this);
}
