// The thumbnail page and the picture hint beside the file lists.

#include "shell/Haupt.h"

#include "components/Gfvcl.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Panel.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StatusBar.h"
#include "shell/Haupt_Einstellungen.h"
#include "shell/Haupt_Globals.h"
#include "shell/Haupt_Steuerelemente.h"
#include "shell/fktThumbs.h"
#include "shell/frmThumbHint.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QScrollArea>
#include <QStackedWidget>

namespace {

// Where the hint goes beside a list; P the cursor, W and H the hint's size, Main the
// main window's frame on the screen.
QPoint LeftListHintPlace(QPoint P, int W, int H, const QRect &Main)
{
    int left = P.x() - (W + 30);
    if (left < 0)
        left = P.x() + 30;
    int top = P.y();
    if (P.y() - Main.top() + H > Main.height() - 30)
        top = Main.top() + Main.height() - (H + 30);
    return {left, top};
}

QPoint RightListHintPlace(QPoint P, int W, int H, const QRect &Main)
{
    int top = P.y();
    if (Main.height() - (P.y() - Main.top()) - 25 < H)
        top = Main.top() + Main.height() - (H + 25);
    return {P.x() - (W + 30), top};
}

// The hint of the item under the mouse of List, when Enabled; placed by Place.
void ShowListHint(TShellListView *List, int Item, QPoint P, bool Enabled,
                  QPoint (*Place)(QPoint, int, int, const QRect &))
{
    if (!ThumbForm)
        return;
    if (Item < 0 || QGuiApplication::mouseButtons() != Qt::NoButton) {
        ThumbForm->HideHint();
        return;
    }
    if (!Enabled) {
        ThumbForm->ShowThumbHint(QString());
        return;
    }
    ThumbForm->ShowThumbHint(List->Folders(Item).PathName);
    if (ThumbForm->isVisible())
        ThumbForm->move(Place(P, ThumbForm->width(), ThumbForm->height(), HauptForm->frameGeometry()));
}

} // namespace

void THauptThumbs::CreateThumbnailPage()
{
    THauptForm &f = Form();
    QWidget *page = EnsurePage(f.Explorer02, 6, QStringLiteral("JPEGThumbs"));
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // The bar: title | recursive | size.
    ThumbsPanel02 = new TPanel(page, QStringLiteral("ThumbsPanel02"));
    auto *panelLayout = new QVBoxLayout(ThumbsPanel02);
    panelLayout->setContentsMargins(1, 1, 1, 1);
    ThumbsGradientFill02 = TGradientFill::WhiteToSilver(ThumbsPanel02, QStringLiteral("ThumbsGradientFill02"), fdLeftToRight);
    panelLayout->addWidget(ThumbsGradientFill02);
    auto *bar = new QHBoxLayout(ThumbsGradientFill02);
    bar->setContentsMargins(6, 3, 6, 3);
    ThumbsLabel01 = new QLabel(ThumbsGradientFill02);
    ThumbsLabel01->setObjectName(QStringLiteral("ThumbsLabel01"));
    QFont bold = ThumbsLabel01->font();
    bold.setBold(true);
    ThumbsLabel01->setFont(bold);
    ThumbsRekursiv = new TCheckBox(ThumbsGradientFill02, QStringLiteral("ThumbsRekursiv"));
    ThumbsEdit01 = new TEdit(ThumbsGradientFill02, QStringLiteral("ThumbsEdit01"));
    ThumbsEdit01->setReadOnly(true);
    ThumbsEdit01->setFixedWidth(ThumbsEdit01->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 8);
    ThumbsLabel02 = NewLabel(ThumbsGradientFill02, QStringLiteral("ThumbsLabel02"), ThumbsEdit01);
    ThumbsUpDown01 = NewUpDown(ThumbsGradientFill02, QStringLiteral("ThumbsUpDown01"), ThumbsEdit01, 25, 250, 100);
    bar->addWidget(ThumbsLabel01);
    bar->addStretch(1);
    bar->addWidget(ThumbsRekursiv);
    bar->addSpacing(12);
    bar->addWidget(ThumbsLabel02);
    bar->addWidget(ThumbsEdit01);
    bar->addWidget(ThumbsUpDown01);
    ThumbsPanel02->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed); // a narrow side cuts it off
    column->addWidget(ThumbsPanel02);

    ThumbScrollBox = new QScrollArea(page);
    ThumbScrollBox->setObjectName(QStringLiteral("ThumbScrollBox"));
    ThumbScrollBox->setFocusPolicy(Qt::StrongFocus);
    ThumbScrollBox->setWidget(new QWidget); // the tiles' content; BuildThumbnails sizes it
    ThumbScrollBox->widget()->resize(0, 0);
    column->addWidget(ThumbScrollBox, 1);

    ThumbsStatusBar = new TStatusBar(page, QStringLiteral("ThumbsStatusBar"), {120, 0});
    column->addWidget(ThumbsStatusBar);

    QObject::connect(ThumbsRekursiv, &TCheckBox::OnClick, &f, Guarded(&f, &THauptThumbs::ThumbsRekursivClick));
    QObject::connect(ThumbsUpDown01, &TUpDown::OnClick, &f, Guarded(&f, &THauptThumbs::ThumbsUpDown01Click));
    OnMouseMove(f, ThumbScrollBox->viewport(), &THauptThumbs::ThumbScrollBoxMouseMove);
    OnMouseMove(f, ThumbScrollBox->widget(), &THauptThumbs::ThumbScrollBoxMouseMove);
    OnMouseMove(f, ThumbsPanel02, &THauptThumbs::ThumbsPanel02MouseMove);
    // The status bar's panels are all of it.
    QList<QWidget *> statusParts = ThumbsStatusBar->findChildren<QWidget *>();
    statusParts << ThumbsStatusBar;
    for (QWidget *part : statusParts) {
        part->setMouseTracking(true);
        new EventHook(part, [form = &f](QEvent *event) {
            if (event->type() == QEvent::MouseMove)
                form->ThumbsStatusBarMouseMove();
            return false;
        });
    }
    OnMouseMove(f, ThumbsGradientFill02, &THauptThumbs::ThumbsGradientFill02MouseMove);
    OnMouseMove(f, ThumbsLabel01, &THauptThumbs::ThumbsGradientFill02MouseMove);

    // The hint beside the lists (a mouse button going down hides it: the lists' mouse-down).
    QObject::connect(f.ShellListView01, &TShellListView::OnMouseMove, &f, [form = &f](int Item, QPoint P) {
        RunGuarded([=] { form->ShellListView01MouseMove(Item, P); });
    });
    QObject::connect(f.ShellListView02, &TShellListView::OnMouseMove, &f, [form = &f](int Item, QPoint P) {
        RunGuarded([=] { form->ShellListView02MouseMove(Item, P); });
    });
}

void THauptThumbs::ShowThumbnailsOf(const QString &Folder)
{
    if (ViewMode != 10 || !Folder.startsWith(u'/'))
        return;
    ThumbScrollBox->setFocus();
    BuildThumbnails();
}

void THauptThumbs::ThumbsRekursivClick()
{
    BuildThumbnails();
}

void THauptThumbs::ThumbsUpDown01Click()
{
    ThumbsBreite = ThumbsHoehe = ThumbsUpDown01->Position();
    WriteThumbSize(ThumbsBreite);
}

void THauptThumbs::ThumbScrollBoxMouseMove()
{
    ThumbsStatusBar->setPanel(1, QString());
}

void THauptThumbs::ThumbsPanel02MouseMove()
{
    ThumbScrollBoxMouseMove();
}

void THauptThumbs::ThumbsStatusBarMouseMove()
{
    ThumbScrollBoxMouseMove();
}

void THauptThumbs::ThumbsGradientFill02MouseMove()
{
    ThumbScrollBoxMouseMove();
}

void THauptThumbs::ShellListView01MouseMove(int Item, QPoint P)
{
    ShowListHint(Form().ShellListView01, Item, P, ThumbLinks, &LeftListHintPlace);
}

void THauptThumbs::ShellListView02MouseMove(int Item, QPoint P)
{
    ShowListHint(Form().ShellListView02, Item, P, ThumbRechts, &RightListHintPlace);
}

THauptForm &THauptThumbs::Form()
{
    return static_cast<THauptForm &>(*this);
}
