// Main menu and tool bar of the main window.

#include "shell/Haupt.h"

#include "localisation/fktSprache.h"
#include "operations/fktAllgemein.h"
#include "operations/fktUmbenennen.h"
#include "platform/Application.h"
#include "platform/toolkit/MenuItem.h"

#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

void THauptMenues::CreateMenus()
{
    HMenuDatei = Form().menuBar()->addMenu(LoadLangString(3050));
    HMenuDatei->setObjectName(QStringLiteral("HMenuDatei"));
    HMenuDatei->setToolTip(LoadLangString(3051));

    HMenuDateiRueckgaengig = new TMenuItem(&Form(), QStringLiteral("HMenuDateiRueckgaengig"), LoadLangString(3054));
    HMenuDateiRueckgaengig->setStatusTip(LoadLangString(3055));
    HMenuDateiRueckgaengig->setToolTip(LoadLangString(3055));
    HMenuDateiRueckgaengig->setEnabled(false);
    HMenuDatei->addAction(HMenuDateiRueckgaengig);
    QObject::connect(HMenuDateiRueckgaengig, &QAction::triggered, &Form(), [] {
        const BatchGuard guard; // not while a batch lets the message loop run
        if (guard.Entered())
            RunGuarded(UndoLastAction);
    });

    HMenuAktionen = Form().menuBar()->addMenu(LoadLangString(3200));
    HMenuAktionen->setObjectName(QStringLiteral("HMenuAktionen"));
    HMenuAktionen->setToolTip(LoadLangString(3201));
    HMenuAktionenUmbenennen = new TMenuItem(&Form(), QStringLiteral("HMenuAktionenUmbenennen"), LoadLangString(3204));
    HMenuAktionenUmbenennen->setStatusTip(LoadLangString(3205));
    HMenuAktionenUmbenennen->setToolTip(LoadLangString(3205));
    HMenuAktionen->addAction(HMenuAktionenUmbenennen);
    QObject::connect(HMenuAktionenUmbenennen, &QAction::triggered, &Form(), [] { RunGuarded(HMenuAktionenUmbenennenClick); });

    Form().PopupMenu01 = new QMenu(&Form());
    Form().PopupMenu01->setObjectName(QStringLiteral("Form().PopupMenu01"));
    PM01DateiUmbenennen = new TMenuItem(&Form(), QStringLiteral("PM01DateiUmbenennen"), LoadLangString(3204));
    Form().PopupMenu01->addAction(PM01DateiUmbenennen);
    QObject::connect(PM01DateiUmbenennen, &QAction::triggered, &Form(), [] { RunGuarded(HMenuAktionenUmbenennenClick); });

    Form().ToolBar = Form().addToolBar(QString());
    Form().ToolBar->setObjectName(QStringLiteral("Form().ToolBar"));
    Form().ToolBar->setMovable(false);

    // The button runs the menu item and follows its enabling; its hint is its own.
    TB01Rueckgaengig = new QToolButton(Form().ToolBar);
    TB01Rueckgaengig->setObjectName(QStringLiteral("TB01Rueckgaengig"));
    TB01Rueckgaengig->setText(LoadLangString(3054));
    TB01Rueckgaengig->setToolTip(LoadLangString(3055));
    TB01Rueckgaengig->setEnabled(false);
    Form().ToolBar->addWidget(TB01Rueckgaengig);
    QObject::connect(TB01Rueckgaengig, &QToolButton::clicked, HMenuDateiRueckgaengig, &QAction::trigger);
    QObject::connect(HMenuDateiRueckgaengig, &QAction::changed, TB01Rueckgaengig,
            [this] { TB01Rueckgaengig->setEnabled(HMenuDateiRueckgaengig->isEnabled()); });

    TB01Umbenennen = new QToolButton(Form().ToolBar);
    TB01Umbenennen->setObjectName(QStringLiteral("TB01Umbenennen"));
    TB01Umbenennen->setText(LoadLangString(3204));
    TB01Umbenennen->setToolTip(LoadLangString(3204));
    Form().ToolBar->addWidget(TB01Umbenennen);
    QObject::connect(TB01Umbenennen, &QToolButton::clicked, HMenuAktionenUmbenennen, &QAction::trigger);
    QObject::connect(HMenuAktionenUmbenennen, &QAction::changed, TB01Umbenennen,
            [this] { TB01Umbenennen->setEnabled(HMenuAktionenUmbenennen->isEnabled()); });
}

THauptForm &THauptMenues::Form()
{
    return static_cast<THauptForm &>(*this);
}
