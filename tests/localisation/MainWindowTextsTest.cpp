// The main window's texts: the relabelling at start and on a change of language, and
// the text table walked against the window as it is built.

#include "localisation/fktSprache.h"
#include "localisation/fktSprache_Captions.h"
#include "localisation/rvDialogs.h"
#include "operations/fktUmbenennen.h"
#include "platform/Application.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/Panel.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/StatusBar.h"
#include "platform/toolkit/StringGrid.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"
#include "support/StoredSettings.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QChartView>
#include <QMenu>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

#include <string>

namespace {

QStringList Texts(int First, int Last)
{
    QStringList texts;
    for (int id = First; id <= Last; ++id)
        texts << LoadLangString(id);
    return texts;
}

class MainWindowTextsTest : public testing::Test {
protected:
    void SetUp() override { form_.Create(); }
    void TearDown() override
    {
        EXPECT_EQ(modals_.pending(), 0u) << "a scripted answer was not asked for";
        form_.reset();
        Sprache = 0;
        LanguageIndex = 0;
    }
    THauptForm &Form() { return *form_; }
    template <class T> T *Control(const char *Name) { return Form().findChild<T *>(QLatin1String(Name)); }

    ScriptedModals modals_;
    MainWindowFixture form_;
};

TEST_F(MainWindowTextsTest, GermanAtStart)
{
    EXPECT_EQ(Form().windowTitle().toStdString(), "Corvex Pro V1.52 (Stand: 11.04.2003)");
    EXPECT_EQ(Form().DatUmbRadioGroup02->Items(), Texts(3, 13));
    EXPECT_EQ(Form().DatUmbRadioGroup02->Items().size(), 11);
    EXPECT_EQ(Form().DatUmbRadioGroup02->ItemIndex(), 0);
    EXPECT_EQ(Form().PageControl->tabText(0).toStdString(), "Dateien &Umbenennen");
}

TEST_F(MainWindowTextsTest, EnglishResetsTheGroupsToTheirFirstItem)
{
    Form().DatUmbRadioGroup02->setItemIndex(5);
    Form().DatUmbRadioGroup08->setItemIndex(3);
    int ruleClicks = 0, ruleChosenInHandler = -1;
    QObject::connect(Form().DatUmbRadioGroup02, &TRadioGroup::OnClick, &Form(), [&] {
        ++ruleClicks;
        ruleChosenInHandler = Form().DatUmbRadioGroup02->ItemIndex();
    });

    Sprache = 10000;
    LanguageIndex = 1;
    ApplyLanguageCaptions();

    EXPECT_EQ(Form().windowTitle().toStdString(), "Corvex Pro V1.52 (Release: 11.04.2003)");
    EXPECT_EQ(Form().DatUmbRadioGroup02->Items(), Texts(3, 13));
    EXPECT_NE(Form().DatUmbRadioGroup02->Items(), (Sprache = 0, Texts(3, 13)));
    Sprache = 10000;
    // Rule 0 chosen as by a click: its handler ran and its fields are shown.
    EXPECT_EQ(Form().DatUmbRadioGroup02->ItemIndex(), 0);
    EXPECT_EQ(ruleClicks, 1);
    EXPECT_EQ(ruleChosenInHandler, 0);
    EXPECT_EQ(Form().DatUmb01a->currentIndex(), 0);
    EXPECT_EQ(Form().DatUmbRadioGroup08->ItemIndex(), 0);
    EXPECT_EQ(Form().DatUmbRadioGroup08->Items(), Texts(328, 332));

    // Other kinds of text.
    EXPECT_EQ(Form().PageControl->tabText(0).toStdString(), "&Rename Files");
    EXPECT_EQ(Form().DatUmbLabel02->text(), LoadLangString(101));
    EXPECT_EQ(Form().DatUmbRekursiv->text(), LoadLangString(200));
    EXPECT_EQ(Form().DatUmbRekursiv->toolTip(), LoadLangString(201));
    EXPECT_EQ(Form().DatUmbEdit05->toolTip(), LoadLangString(504));
    EXPECT_EQ(Form().DatUmbVorschau->text(), LoadLangString(606));
    EXPECT_EQ(Form().VorschauStringGrid01->Cells(1, 0).toStdString(), "New Name");
    EXPECT_EQ(Form().HMenuDatei->title().toStdString(), "&File");
    EXPECT_EQ(Form().HMenuAktionenUmbenennen->statusTip(), LoadLangString(3205));
    EXPECT_EQ(Form().TB01Refresh->toolTip(), LoadLangString(2013));

    // No selection in these, where they exist yet.
    for (const char *name : {"MP3TagVersion", "MP3TagVersion02"})
        if (auto *group = Control<TRadioGroup>(name)) {
            EXPECT_EQ(group->ItemIndex(), -1) << name;
            EXPECT_EQ(group->Items(), Texts(1053, 1054)) << name;
        }
    if (auto *list = Control<QListWidget>("FktListBox01")) {
        ASSERT_EQ(list->count(), 11);
        EXPECT_EQ(list->item(0)->text(), LoadLangString(1203));
        EXPECT_EQ(list->currentRow(), -1);
        EXPECT_TRUE(list->selectedItems().isEmpty());
    }
}

TEST_F(MainWindowTextsTest, ListCountsFollowTheLanguage)
{
    Sprache = 10000;
    LanguageIndex = 1;
    ApplyLanguageCaptions();
    for (TStatusBar *bar : {Form().ExplorerStatusBar01, Form().ExplorerStatusBar02})
        EXPECT_TRUE(bar->Panel(0).startsWith(LoadLangString(8999))) << bar->Panel(0).toStdString();
}

TEST_F(MainWindowTextsTest, EmptyTextsLeaveNoHintAndAnEmptyItem)
{
    TRadioGroup *target = Form().DatUmbRadioGroup01;
    target->setToolTip(QStringLiteral("stale"));
    Form().HMenuDatei->menuAction()->setStatusTip(QStringLiteral("stale"));
    for (int language : {0, 10000}) {
        Sprache = language;
        ApplyLanguageCaptions();
        EXPECT_TRUE(target->toolTip().isEmpty()) << target->toolTip().toStdString();
        EXPECT_TRUE(Form().DatUmbRadioGroup04->toolTip().isEmpty()); // 311
        EXPECT_TRUE(Form().HMenuDatei->menuAction()->statusTip().isEmpty()); // 3051
        ASSERT_EQ(target->Items().size(), 3);
        EXPECT_TRUE(target->Items()[0].isEmpty());
        EXPECT_TRUE(target->findChild<QRadioButton *>(QStringLiteral("DatUmbRadioGroup01_0"))->text().isEmpty());
        EXPECT_EQ(target->ItemIndex(), 0);
    }
}

// A label shows no "&": with a buddy it marks the access key, without one it is dropped;
// "&&" shows one "&". The label is compared with one that holds the visible text only.
TEST_F(MainWindowTextsTest, LabelsShowNoAccessMarks)
{
    QLabel *withBuddy = Form().DatUmbLabel02;
    ASSERT_NE(withBuddy->buddy(), nullptr);
    QLabel withoutBuddy(&Form());
    const struct {
        const char *caption, *shown;
    } cases[] = {{"&Stamm", "Stamm"}, {"Rock && &Roll", "Rock & Roll"}, {"a&&b", "a&b"}};
    for (const auto &c : cases) {
        QLabel plain(QString::fromUtf8(c.shown), &Form());
        for (QLabel *label : {withBuddy, &withoutBuddy}) {
            ASSERT_TRUE(SetControlCaption(label, QString::fromUtf8(c.caption)));
            EXPECT_EQ(label->sizeHint().width(), plain.sizeHint().width()) << c.caption;
        }
        EXPECT_EQ(withoutBuddy.text().toStdString(), c.shown);
    }

    // Buttons, groups and tabs mark their access key the same way.
    const QString caption = QStringLiteral("&Vorschau && mehr");
    ASSERT_TRUE(SetControlCaption(Form().DatUmbVorschau, caption));
    ASSERT_TRUE(SetControlCaption(Form().DatUmbRadioGroup02, caption));
    EXPECT_EQ(Form().DatUmbVorschau->text(), caption);
    EXPECT_EQ(Form().DatUmbRadioGroup02->title(), caption);
    EXPECT_FALSE(SetControlCaption(Form().DatUmbEdit01, caption)); // an edit has no caption
}

TEST_F(MainWindowTextsTest, PreviewRefreshesOnceAtTheEnd)
{
    // The refilled groups' handlers each ask for a preview; it runs once, at the end.
    Form().DatUmbRadioGroup02->setItemIndex(5);
    Form().DatUmbRadioGroup03->setItemIndex(1);
    Form().DatUmbVorschau->setDown(true);
    Form().PageControl->setCurrentWidget(Form().TabSheet01);

    // Nothing is selected: the preview fails once, without a box (the user did not ask
    // for it); its message shows in the new language in the preview's line.
    int refreshes = 0;
    QObject::connect(Form().VorschauStringGrid01->model(), &QAbstractItemModel::modelReset, &Form(),
                     [&] { ++refreshes; });
    Sprache = 10000;
    ApplyLanguageCaptions();
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(modals_.shown().empty());
    EXPECT_EQ(Form().VorschauLabel01->text(), QStringLiteral("No file marked yet !"));

    // Preview off: no refresh at all.
    Form().DatUmbVorschau->setDown(false);
    ApplyLanguageCaptions();
    EXPECT_EQ(refreshes, 1);
}

// What a control shows of Row's kind of text, whatever its class.
QString Shown(QObject *Control, const MainWindowText &Row)
{
    auto *widget = qobject_cast<QWidget *>(Control);
    auto *action = qobject_cast<QAction *>(Control);
    auto *menu = qobject_cast<QMenu *>(Control);
    switch (Row.Kind) {
    case TextKind::Caption:
        if (auto *label = qobject_cast<QLabel *>(Control))
            return label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(Control))
            return button->text();
        if (auto *group = qobject_cast<QGroupBox *>(Control))
            return group->title();
        if (auto *panel = qobject_cast<TPanel *>(Control))
            return panel->Caption();
        return menu ? menu->title() : action ? action->text() : QString();
    case TextKind::Hint:
        if (menu)
            return menu->toolTip() + u'|' + menu->menuAction()->statusTip();
        return action ? action->toolTip() + u'|' + action->statusTip() : widget ? widget->toolTip() : QString();
    case TextKind::Items:
    case TextKind::ItemsUnselected:
        if (auto *group = qobject_cast<TRadioGroup *>(Control))
            return group->Items().join(u'|') + QString::number(group->ItemIndex());
        if (auto *list = qobject_cast<QListWidget *>(Control)) {
            QString items;
            for (int i = 0; i < list->count(); ++i)
                items += list->item(i)->text() + u'|';
            return items + QString::number(list->currentRow());
        }
        return {};
    case TextKind::TabCaption:
        for (QWidget *w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget())
            if (auto *tabs = qobject_cast<QTabWidget *>(w); tabs && tabs->indexOf(widget) >= 0)
                return tabs->tabText(tabs->indexOf(widget));
        return {};
    case TextKind::EditText:
        if (auto *edit = qobject_cast<QLineEdit *>(Control))
            return edit->text();
        return {};
    case TextKind::ColumnHeader:
        if (auto *grid = qobject_cast<TStringGrid *>(Control))
            return grid->Cells(Row.Last, 0);
        return {};
    case TextKind::ChartTitle:
        if (auto *chart = qobject_cast<QChartView *>(Control); chart && chart->chart())
            return chart->chart()->title();
        return {};
    }
    return {};
}

// The window starts in the stored language with every text of the table on it: no
// control is built after the relabelling, none keeps a text of its builder.
TEST_F(MainWindowTextsTest, StartsWithTheTableTextsOfTheStoredLanguage)
{
    form_.reset();
    StoreSettings([](TRegistry &reg) { reg.WriteInteger(QStringLiteral("Sprache"), 10000); });
    form_.Create();
    ASSERT_EQ(Sprache, 10000);
    EXPECT_EQ(Form().PageControl->tabText(0).toStdString(), "&Rename Files");
    int checked = 0;
    for (const MainWindowPage &page : MainWindowTexts())
        for (const MainWindowText &row : page.Texts)
            if (QObject *control = Form().findChild<QObject *>(QLatin1String(row.Control))) {
                if (row.Control == std::string_view("MP3TagVersion02") && row.Kind == TextKind::ItemsUnselected) {
                    EXPECT_EQ(qobject_cast<TRadioGroup *>(control)->ItemIndex(), 1) << "album tags start as V1.1";
                    continue;
                }
                const QString atStart = Shown(control, row);
                ASSERT_TRUE(ApplyMainWindowText(control, row));
                EXPECT_EQ(atStart, Shown(control, row)) << row.Control << " text " << row.Id;
                ++checked;
            }
    EXPECT_GT(checked, 0);
}

// Every row finds its control and can set its kind of text there.
TEST_F(MainWindowTextsTest, EveryRowFindsItsControl)
{
    for (const MainWindowPage &page : MainWindowTexts()) {
        for (const MainWindowText &row : page.Texts) {
            QObject *control = Form().findChild<QObject *>(QLatin1String(row.Control));
            EXPECT_NE(control, nullptr) << page.Name << ": no control " << row.Control;
            if (control) {
                EXPECT_TRUE(ApplyMainWindowText(control, row))
                    << row.Control << " (" << control->metaObject()->className() << ") takes no text of kind "
                    << int(row.Kind);
            }
        }
    }
}

} // namespace
