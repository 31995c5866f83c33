// The folder page (TabSheet04 of Form().PageControl): target folder, folder series and
// empty folders.

#include "shell/Haupt.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "operations/fktOrdner.h"
#include "platform/Abort.h"
#include "platform/desktop/Desktop.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Panel.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt_Globals.h"
#include "shell/Haupt_Steuerelemente.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

void THauptOrdner::CreateFolderPage()
{
    THauptForm &f = Form();
    auto *page = new QWidget(f.PageControl);
    page->setObjectName(QStringLiteral("TabSheet04"));
    f.TabSheet04 = page;
    auto *layout = new QHBoxLayout(page);

    // The series.
    auto *series = new QGridLayout;
    OrdName01 = NewEdit(page, QStringLiteral("OrdName01"));
    OrdName02 = NewEdit(page, QStringLiteral("OrdName02"));
    OrdStartwert = NewEdit(page, QStringLiteral("OrdStartwert"));
    OrdStartwertUpDown = NewUpDown(page, QStringLiteral("OrdStartwertUpDown"), OrdStartwert, 0, 32767, 0);
    OrdEndwert = NewEdit(page, QStringLiteral("OrdEndwert"));
    OrdEndwertUpDown = NewUpDown(page, QStringLiteral("OrdEndwertUpDown"), OrdEndwert, 0, 32767, 0);
    OrdLabel4 = NewLabel(page, QStringLiteral("OrdLabel4"), nullptr);
    QFont bold = OrdLabel4->font();
    bold.setBold(true);
    OrdLabel4->setFont(bold);
    OrdLabel5 = NewLabel(page, QStringLiteral("OrdLabel5"), OrdName01);
    OrdLabel6 = NewLabel(page, QStringLiteral("OrdLabel6"), OrdName02);
    OrdLabel7 = NewLabel(page, QStringLiteral("OrdLabel7"), OrdStartwert);
    OrdLabel8 = NewLabel(page, QStringLiteral("OrdLabel8"), OrdEndwert);
    OrdCheckBox1 = new TCheckBox(page, QStringLiteral("OrdCheckBox1"));
    OrdPanel1 = new TPanel(page, QStringLiteral("OrdPanel1"));
    OrdPanel1->setCaption(QStringLiteral("Fotos1...Fotos2"));
    OrdPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    OrdnerSerieErstellen = new QPushButton(page);
    OrdnerSerieErstellen->setObjectName(QStringLiteral("OrdnerSerieErstellen"));
    series->addWidget(OrdLabel4, 0, 0, 1, 4);
    series->addWidget(OrdLabel5, 1, 0);
    series->addWidget(OrdName01, 1, 1);
    series->addWidget(OrdLabel6, 1, 2);
    series->addWidget(OrdName02, 1, 3);
    auto *startRow = new QHBoxLayout;
    startRow->addWidget(OrdStartwert);
    startRow->addWidget(OrdStartwertUpDown);
    auto *endRow = new QHBoxLayout;
    endRow->addWidget(OrdEndwert);
    endRow->addWidget(OrdEndwertUpDown);
    series->addWidget(OrdLabel7, 2, 0);
    series->addLayout(startRow, 2, 1);
    series->addWidget(OrdLabel8, 2, 2);
    series->addLayout(endRow, 2, 3);
    series->addWidget(OrdCheckBox1, 3, 1);
    series->addWidget(OrdPanel1, 3, 2, 1, 2);
    series->addWidget(OrdnerSerieErstellen, 4, 1, 1, 3);
    series->setRowStretch(5, 1);
    layout->addLayout(series, 2);
    auto *renameRules = new QWidget(page);
    layout->addWidget(renameRules, 3);

    // The target folder and the empty folders.
    auto *column = new QVBoxLayout;
    OrdnerZielverzeichnis = NewEdit(page, QStringLiteral("OrdnerZielverzeichnis"));
    OrdnerZielverzeichnis->setReadOnly(true);
    OrdnerLabel01 = NewLabel(page, QStringLiteral("OrdnerLabel01"), OrdnerZielverzeichnis);
    DeleteEmptyFolders = new QPushButton(page);
    DeleteEmptyFolders->setObjectName(QStringLiteral("DeleteEmptyFolders"));
    column->addWidget(OrdnerLabel01);
    column->addWidget(OrdnerZielverzeichnis);
    column->addSpacing(12);
    column->addWidget(DeleteEmptyFolders);
    auto *renameSwitches = new QWidget(page);
    column->addWidget(renameSwitches);
    f.CreateFolderRenameView(renameRules, renameSwitches);
    column->addStretch(1);
    layout->addLayout(column, 1);
    InsertPageInOrder(f.PageControl, page);

    THauptForm *form = &f;
    QObject::connect(OrdnerSerieErstellen, &QPushButton::clicked, form,
                     Guarded(form, &THauptOrdner::OrdnerSerieErstellenClick));
    QObject::connect(DeleteEmptyFolders, &QPushButton::clicked, form,
                     Guarded(form, &THauptOrdner::DeleteEmptyFoldersClick));
}

void THauptOrdner::OrdnerSerieErstellenClick()
{
    CreateFolderSeries();
}

void THauptOrdner::DeleteEmptyFoldersClick()
{
    THauptForm &f = Form();
    const TShellTreeView *tree = ActiveExplorer == 2 ? f.ShellTreeView02 : f.ShellTreeView01;
    ListEmptyFolders(AddTrailingBackslash(tree->Path()));
    const QStringList &found = f.AlteDateinamen;
    if (found.isEmpty())
        ReportAndAbort(9090);
    const QString question = QString::number(found.size()) + LoadLangString(9088) + u'\r' + LoadLangString(9089);
    if (MessageDlg(question, mtConfirmation, mbYesNo, 0, LanguageName()) != mrYes)
        Abort();
    {
        const HourglassCursor busy;
        // Deeper folders sort after their parents and go first.
        for (qsizetype i = found.size() - 1; i >= 0; --i)
            if (IsEmptyFolderTree(found[i]))
                desktop::moveToTrash(found[i]);
    }
    RefreshExplorerLists();
}

THauptForm &THauptOrdner::Form()
{
    return static_cast<THauptForm &>(*this);
}
