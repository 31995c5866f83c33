#include "shell/Haupt.h"

#include "platform/toolkit/StringGrid.h"

#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>

THauptForm *HauptForm = nullptr;

THauptForm::THauptForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("HauptForm"));
    MainSplitter = new QSplitter(Qt::Vertical, this);
    NotebookHaupt = new QStackedWidget(MainSplitter);
    NotebookHaupt->setObjectName(QStringLiteral("NotebookHaupt"));
    PageControl = new QTabWidget(MainSplitter);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    setCentralWidget(MainSplitter);
    CreateHiddenPage();
}

THauptForm::~THauptForm()
{
    if (HauptForm == this)
        HauptForm = nullptr;
}

void THauptForm::CreateHiddenPage()
{
    Versteckt = new QWidget(NotebookHaupt);
    Versteckt->setObjectName(QStringLiteral("Versteckt"));
    OrdnerStringGrid02 = new TStringGrid(Versteckt, QStringLiteral("OrdnerStringGrid02"), 2, 1, 0);
    NotebookHaupt->addWidget(Versteckt);
}
