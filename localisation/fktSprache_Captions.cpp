// The texts of the main window in the chosen language: one table of rows applied by
// the controls' object names.

#include "localisation/fktSprache_Captions.h"

#include "localisation/fktSprache.h"
#include "operations/fktAllgemein.h"
#include "operations/fktUmbenennen.h"
#include "platform/Application.h"
#include "platform/toolkit/Panel.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt.h"

#include <QAbstractButton>
#include <QAction>
#include <QChartView>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>

QString VersionDateText;

namespace {

using enum TextKind;

// Rename page
// The tabs of the page control exist from the start, also while a page is still empty.
const MainWindowText PageControlTexts[] = {
    {"TabSheet01", TabCaption, 3500}, {"TabSheet02", TabCaption, 3501}, {"TabSheet03", TabCaption, 3502},
    {"TabSheet04", TabCaption, 3503}, {"TabSheet05", TabCaption, 3504},
};

const MainWindowText RenamePageTexts[] = {
    {"DatUmbRadioGroup02", Caption, 1}, {"DatUmbRadioGroup02", Hint, 2}, {"DatUmbRadioGroup02", Items, 3, 13},
    {"DatUmbLabel01", Caption, 100},
    {"DatUmbLabel02", Caption, 101},
    {"DatUmbLabel03", Caption, 102},
    {"DatUmbLabel04", Caption, 103},
    {"DatUmbLabel05", Caption, 104},
    {"DatUmbLabel06", Caption, 105},
    {"DatUmbLabel07", Caption, 106},
    {"DatUmbLabel08", Caption, 107},
    {"DatUmbLabel09", Caption, 108},
    {"DatUmbLabel10", Caption, 109},
    {"DatUmbLabel11", Caption, 110},
    {"DatUmbLabel12", Caption, 111},
    {"DatUmbLabel13", Caption, 112},
    {"DatUmbLabel14", Caption, 113},
    {"DZLabel01", Caption, 116},
    {"DZLabel02", Caption, 117},
    {"DatUmbRekursiv", Caption, 200}, {"DatUmbRekursiv", Hint, 201},
    {"DatUmbDateiListe", Caption, 202}, {"DatUmbDateiListe", Hint, 203},
    {"DatUmbLogisch", Caption, 204}, {"DatUmbLogisch", Hint, 205},
    {"DatUmbAlleEndungen", Caption, 206}, {"DatUmbAlleEndungen", Hint, 207},
    {"DatUmbRadioGroup01", Caption, 300}, {"DatUmbRadioGroup01", Hint, 301}, {"DatUmbRadioGroup01", Items, 302, 304},
    {"DatUmbRadioGroup03", Caption, 305}, {"DatUmbRadioGroup03", Hint, 306}, {"DatUmbRadioGroup03", Items, 307, 309},
    {"DatUmbRadioGroup04", Caption, 310}, {"DatUmbRadioGroup04", Hint, 311}, {"DatUmbRadioGroup04", Items, 312, 313},
    {"DatUmbRadioGroup05", Caption, 314}, {"DatUmbRadioGroup05", Hint, 315}, {"DatUmbRadioGroup05", Items, 316, 317},
    {"DatUmbRadioGroup06", Caption, 318}, {"DatUmbRadioGroup06", Hint, 319}, {"DatUmbRadioGroup06", Items, 320, 321},
    {"DatUmbRadioGroup07", Caption, 322}, {"DatUmbRadioGroup07", Hint, 323}, {"DatUmbRadioGroup07", Items, 324, 325},
    {"DatUmbRadioGroup08", Caption, 326}, {"DatUmbRadioGroup08", Hint, 327}, {"DatUmbRadioGroup08", Items, 328, 332},
    {"DatUmbRadioGroup09", Caption, 333}, {"DatUmbRadioGroup09", Hint, 334}, {"DatUmbRadioGroup09", Items, 335, 337},
    {"DatUmbRadioGroup10", Caption, 338}, {"DatUmbRadioGroup10", Hint, 339}, {"DatUmbRadioGroup10", Items, 340, 341},
    {"DatUmbRadioGroup11", Caption, 342}, {"DatUmbRadioGroup11", Hint, 343}, {"DatUmbRadioGroup11", Items, 344, 346},
    {"DatUmbRadioGroup12", Caption, 347}, {"DatUmbRadioGroup12", Hint, 348}, {"DatUmbRadioGroup12", Items, 349, 350},
    {"RGDatumZeit01", Caption, 351}, {"RGDatumZeit01", Hint, 352}, {"RGDatumZeit01", Items, 353, 354},
    {"RGDatumZeit02", Caption, 355}, {"RGDatumZeit02", Hint, 356}, {"RGDatumZeit02", Items, 357, 358},
    {"RGDatumZeit03", Caption, 359}, {"RGDatumZeit03", Hint, 360}, {"RGDatumZeit03", Items, 361, 364},
    {"DatUmbEdit01", Hint, 500},
    {"DatUmbEdit02", Hint, 501},
    {"DatUmbEdit03", Hint, 502},
    {"DatUmbEdit04", Hint, 503},
    {"DatUmbEdit05", Hint, 504},
    {"DatUmbEdit06", Hint, 505},
    {"DatUmbEdit07", Hint, 506},
    {"DatUmbEdit08", Hint, 507},
    {"DatUmbEdit09", Hint, 508},
    {"DatUmbEdit10", Hint, 509},
    {"DatUmbEdit11", Hint, 510},
    {"DatUmbZielverzeichnis", Hint, 511},
    {"DatUmbSB01", Hint, 600},
    {"DatUmbSB02", Hint, 601},
    {"DatUmbSB03", Hint, 602},
    {"DatUmbSB04", Hint, 603},
    {"DatUmbVorschau", Caption, 606}, {"DatUmbVorschau", Hint, 607},
    {"DatUmbSpeedButton01", Caption, 608}, {"DatUmbSpeedButton01", Hint, 609},
    {"DatUmbSpeedButton02", Caption, 610}, {"DatUmbSpeedButton02", Hint, 611},
    {"DatUmbSpeedButton03", Caption, 612}, {"DatUmbSpeedButton03", Hint, 613},
    {"DatUmbSpeedButton04", Caption, 614}, {"DatUmbSpeedButton04", Hint, 615},
};

// Rule 10, the plug-in (DatUmb01a page 9)
const MainWindowText PluginRuleTexts[] = {
    {"DatUmbLabel15", Caption, 114},
    {"DatUmbLabel16", Caption, 115},
    {"DatUmbBitBtn01", Caption, 604}, {"DatUmbBitBtn01", Hint, 605},
};

// Rename-function view (DatUmb01 page 1)
const MainWindowText FunktionenTexts[] = {
    {"FktLabel01", Caption, 1200},
    {"FktLabel02", Caption, 1201},
    {"FktLabel03", Caption, 1202},
    {"FktListBox01", ItemsUnselected, 1203, 1213},
};

// TrueType view (DatUmb01 page 2)
const MainWindowText TTFTexts[] = {
    {"TTFLabel2", Caption, 900},
    {"TTFLabel3", Caption, 901},
    {"TTFLabel4", Caption, 902},
    {"TTFLabel5", Caption, 903},
    {"TTFLabel11", Caption, 904},
    {"TTFWarnung", Caption, 9083},
};

// MP3 view (DatUmb01 page 3)
const MainWindowText MP3Texts[] = {
    {"MP3Autoplay", Caption, 961}, {"MP3Autoplay", Hint, 962},
    {"MP3TagVersion", Caption, 1050}, {"MP3TagVersion", Hint, 1051}, {"MP3TagVersion", ItemsUnselected, 1053, 1054},
    {"MP3RadioGroup1", Caption, 1060}, {"MP3RadioGroup1", Hint, 1061}, {"MP3RadioGroup1", Items, 1062, 1065},
    {"MP3Label01", Caption, 950},
    {"MP3Label02", Caption, 951},
    {"MP3Label03", Caption, 952},
    {"MP3Label04", Caption, 953},
    {"MP3Label05", Caption, 954},
    {"MP3Label06", Caption, 955},
    {"MP3Label07", Caption, 956},
    {"MP3SpeedButton1", Caption, 1081}, {"MP3SpeedButton1", Hint, 1082},
    {"MP3SpeedButton2", Caption, 1083}, {"MP3SpeedButton2", Hint, 1084},
    {"MP3SpeedButton3", Caption, 1085}, {"MP3SpeedButton3", Hint, 1086},
    {"MP3SpeedButton4", Caption, 1087}, {"MP3SpeedButton4", Hint, 1088},
    {"MP3Interpret", Hint, 1150},
    {"MP3Titel", Hint, 1153},
    {"MP3Album", Hint, 1155},
    {"MP3Jahr", Hint, 1157},
    {"MP3Genre01", Hint, 1159},
    {"MP3Track", Hint, 1161},
    {"MP3Kommentar", Hint, 1162},
};

// Attributes page
const MainWindowText AttributesPageTexts[] = {
    {"AttrRekursiv", Caption, 200}, {"AttrRekursiv", Hint, 201},
    {"AttrLabel01", Caption, 1514},
    {"AttrLabel02", Caption, 1503},
    {"AttrLabel03", Caption, 1504},
    {"AttrLabel04", Caption, 1505},
    {"AttrLabel05", Caption, 1506},
    {"AttrLabel06", Caption, 1507},
    {"AttrLabel07", Caption, 1508},
    {"AttrLabel08", Caption, 1509},
    {"AttrLabel09", Caption, 1510},
    {"AttrLabel10", Caption, 1511},
    {"AttrLabel11", Caption, 1512},
    {"AttrLabel12", Caption, 1513},
    {"AttrCheckBox1", Caption, 1515},
    {"AttrCheckBox2", Caption, 1517},
    {"AttrCheckBox3", Caption, 1519},
    {"AttrCheckBox4", Caption, 1521},
    {"AttrRadioGroup1", Caption, 1524}, {"AttrRadioGroup1", Hint, 1525}, {"AttrRadioGroup1", Items, 1526, 1530},
};

// Sorting page
const MainWindowText SortingPageTexts[] = {
    {"SortLabel2", Caption, 100},
    {"SortRekursiv", Caption, 200}, {"SortRekursiv", Hint, 201},
    {"SortZielverzeichnis", Hint, 511},
    {"SortRadioGroup1", Caption, 1600}, {"SortRadioGroup1", Hint, 1601}, {"SortRadioGroup1", Items, 1602, 1606},
    {"SortRadioGroup2", Caption, 1607}, {"SortRadioGroup2", Hint, 1608}, {"SortRadioGroup2", Items, 1609, 1610},
    {"SortRadioGroup3", Caption, 1611}, {"SortRadioGroup3", Hint, 1612}, {"SortRadioGroup3", Items, 1613, 1614},
    {"SortLabel1", Caption, 1700},
    {"SortLabel3", Caption, 1701},
    {"SortLabel4", Caption, 1702},
    {"SortLabel5", Caption, 1703},
    {"SortUntergrenze", Hint, 1750},
    {"SortObergrenze", Hint, 1751},
    {"SortEdit1", Hint, 1752},
    {"SortMindestLaenge", Hint, 1753},
};

// Folder page
const MainWindowText FolderPageTexts[] = {
    {"OrdnerLabel01", Caption, 100},
    {"OrdnerRekursiv", Caption, 200}, {"OrdnerRekursiv", Hint, 201},
    {"OrdnerZielverzeichnis", Hint, 511},
    {"OrdnerVorschauSB", Caption, 606}, {"OrdnerVorschauSB", Hint, 607},
    {"OrdPanel1", Hint, 607},
    {"OrdStrukturSpeichern", Caption, 1800}, {"OrdStrukturSpeichern", Hint, 1801},
    {"OrdStrukturLaden", Caption, 1802}, {"OrdStrukturLaden", Hint, 1803},
    {"OrdnerStrukturErstellen", Caption, 1804}, {"OrdnerStrukturErstellen", Hint, 1805},
    {"OrdnerSerieErstellen", Caption, 1806}, {"OrdnerSerieErstellen", Hint, 1807},
    {"DeleteEmptyFolders", Caption, 1808}, {"DeleteEmptyFolders", Hint, 1809},
    {"Ordnerbaeume", Caption, 1810}, {"Ordnerbaeume", Hint, 1811},
    {"OrdnerUmbenennen", Caption, 1812}, {"OrdnerUmbenennen", Hint, 1813},
    {"OrdLabel1", Caption, 1850},
    {"OrdLabel2", Caption, 1851},
    {"OrdLabel4", Caption, 1852},
    {"OrdLabel5", Caption, 1853},
    {"OrdLabel6", Caption, 1854},
    {"OrdLabel7", Caption, 1855},
    {"OrdLabel8", Caption, 1856},
    {"OrdLabel9", Caption, 1857},
    {"OrdEdit1", Hint, 1858},
    {"OrdComboBox1", Hint, 1859},
    {"OrdName01", EditText, 1860}, {"OrdName01", Hint, 1861},
    {"OrdCheckBox1", Caption, 1862},
    {"RadioGroupOrdU1", Caption, 1900}, {"RadioGroupOrdU1", Hint, 1901}, {"RadioGroupOrdU1", Items, 1902, 1906},
    {"RadioGroupOrdU2", Caption, 326}, {"RadioGroupOrdU2", Hint, 327}, {"RadioGroupOrdU2", Items, 328, 332},
    {"RadioGroupOrdU3", Caption, 1907}, {"RadioGroupOrdU3", Hint, 1908}, {"RadioGroupOrdU3", Items, 1909, 1910},
    {"RadioGroupOrdU4", Caption, 1907}, {"RadioGroupOrdU4", Hint, 1908}, {"RadioGroupOrdU4", Items, 1909, 1910},
    {"RadioGroupOrdU5", Caption, 1911}, {"RadioGroupOrdU5", Hint, 1912}, {"RadioGroupOrdU5", Items, 1913, 1914},
    {"LabelOrdU1", Caption, 105},
    {"LabelOrdU2", Caption, 106},
    {"LabelOrdU3", Caption, 107},
    {"LabelOrdU4", Caption, 108},
    {"LabelOrdU5", Caption, 109},
    {"LabelOrdU6", Caption, 110},
    {"LabelOrdU7", Caption, 118},
    {"EditOrdU1", Hint, 504},
    {"EditOrdU2", Hint, 505},
    {"EditOrdU3", Hint, 512},
    {"OrdnerZKPosition", Hint, 507},
    {"OrdnerZKEnt", Hint, 508},
    {"OrdnerZKPosition02", Hint, 509},
    {"OrdnerAnzEnt", Hint, 513},
};

// Graphics page
const MainWindowText GraphicsPageTexts[] = {
    {"GrafikLabel01", Caption, 100},
    {"GrafikRekursiv", Caption, 200}, {"GrafikRekursiv", Hint, 201},
    {"GrafikZielverzeichnis", Hint, 511},
    {"GrafikBitBtn01", Caption, 3600}, {"GrafikBitBtn01", Hint, 3601},
    {"GrafikBitBtn02", Caption, 3602}, {"GrafikBitBtn02", Hint, 3603},
    {"GrafikBitBtn03", Caption, 3636}, {"GrafikBitBtn03", Hint, 3637},
    {"BitBtn_DV02", Caption, 3608}, {"BitBtn_DV02", Hint, 3609},
    {"BitBtn_DDS02", Caption, 3608}, {"BitBtn_DDS02", Hint, 3609},
    {"BitBtn_DDS03", Caption, 3614}, {"BitBtn_DDS03", Hint, 3615},
    {"BitBtn_DDS01", Caption, 3616}, {"BitBtn_DDS01", Hint, 3617},
    {"BitBtn_DV01", Caption, 3628}, {"BitBtn_DV01", Hint, 3629},
    {"GrafikSB01", Caption, 3650}, {"GrafikSB01", Hint, 3651},
    {"GrafikSB02", Caption, 3652}, {"GrafikSB02", Hint, 3653},
    {"Label_DV02", Caption, 3604},
    {"Label_DV04", Caption, 3605},
    {"Label_DV05", Caption, 3606},
    {"Label_DV07", Caption, 3607},
    {"Label_DDS01", Caption, 3610},
    {"Label_DDS03", Caption, 3611},
    {"Label_DDS04", Caption, 3612},
    {"Label_DDS06", Caption, 3613},
    {"RadioGroup_DDS01", Caption, 3618}, {"RadioGroup_DDS01", Hint, 3619}, {"RadioGroup_DDS01", Items, 3620, 3621},
    {"RadioGroup_DV01", Caption, 3630}, {"RadioGroup_DV01", Hint, 3631}, {"RadioGroup_DV01", Items, 3632, 3633},
    {"CheckBox_DV02", Caption, 3622}, {"CheckBox_DV02", Hint, 3623},
    {"CheckBox_DV03", Caption, 3624}, {"CheckBox_DV03", Hint, 3625},
    {"CheckBox_DV04", Caption, 3626}, {"CheckBox_DV04", Hint, 3627},
    {"GrafikTabSheet01", TabCaption, 3634},
    {"GrafikTabSheet02", TabCaption, 3635},
};

// Rename preview (Explorer02 page "Vorschau")
const MainWindowText RenamePreviewTexts[] = {
    {"VorschauPanel04", Caption, 607},
    {"VorschauSB01", Hint, 2011},
    {"VorschauStringGrid01", ColumnHeader, 8993, 0}, {"VorschauStringGrid01", ColumnHeader, 8994, 1},
};

// Folder statistics
const MainWindowText FolderStatisticsTexts[] = {
    {"OrdnerStringGrid01", ColumnHeader, 8995, 0}, {"OrdnerStringGrid01", ColumnHeader, 8996, 1},
    {"OrdnerStringGrid01", ColumnHeader, 8997, 2}, {"OrdnerStringGrid01", ColumnHeader, 8998, 3},
    {"OrdnerChart01", ChartTitle, 2012},
};

// Thumbnails
const MainWindowText ThumbnailsTexts[] = {
    {"ThumbsRekursiv", Caption, 200}, {"ThumbsRekursiv", Hint, 201},
    {"ThumbsLabel01", Caption, 2014},
    {"ThumbsLabel02", Caption, 2015}, {"ThumbsLabel02", Hint, 2016},
};

// Attribute view (Explorer02 page "DateiAttribute")
const MainWindowText AttributeViewTexts[] = {
    {"AttributeLabel01", Caption, 1500},
    {"AttributeLabel02", Caption, 1501},
    {"AttributeLabel03", Caption, 1502},
    {"AttributeLabel04", Caption, 1503},
    {"AttributeLabel05", Caption, 1504},
    {"AttributeLabel06", Caption, 1505},
    {"AttributeLabel07", Caption, 1506},
    {"AttributeLabel08", Caption, 1507},
    {"AttributeLabel09", Caption, 1508},
    {"AttributeLabel10", Caption, 1509},
    {"AttributeLabel11", Caption, 1510},
    {"AttributeLabel12", Caption, 1511},
    {"AttributeLabel13", Caption, 1512},
    {"AttributeLabel14", Caption, 1513},
    {"AttributeLabel15", Caption, 1514},
    {"AttributeCheckBox01", Caption, 1515},
    {"AttributeCheckBox02", Caption, 1517},
    {"AttributeCheckBox03", Caption, 1519},
    {"AttributeCheckBox04", Caption, 1521},
    {"AttributePanel13", Caption, 1523},
};

// MP3 album view
const MainWindowText Mp3AlbumViewTexts[] = {
    {"MP3Label08", Caption, 957},
    {"MP3Panel03", Caption, 958},
    {"MP3InterpretCB", Caption, 959}, {"MP3InterpretCB", Hint, 960},
    {"MP3Panel05", Caption, 952},
    {"MP3Panel08", Caption, 954},
    {"MP3Panel10", Caption, 953},
    {"MP3Panel11", Caption, 955},
    {"MP3Panel14", Caption, 951},
    {"MP3Panel15", Caption, 950},
    {"MP3TagVersion02", Caption, 1050}, {"MP3TagVersion02", Hint, 1052},
    {"MP3TagVersion02", ItemsUnselected, 1053, 1054},
    {"MP3EintraegeLoeschen", Hint, 1080},
    {"MP3Interpret02", Hint, 1151},
    {"MP3InterpretMemo02", Hint, 1152},
    {"MP3TitelMemo02", Hint, 1154},
    {"MP3Album02", Hint, 1156},
    {"MP3Jahr02", Hint, 1158},
    {"MP3Genre02", Hint, 1160},
    {"MP3Kommentar02", Hint, 1163},
};

// Folder tree editor and its pop-up
const MainWindowText FolderTreeEditorTexts[] = {
    {"OrdBitBtn01", Caption, 1814}, {"OrdBitBtn01", Hint, 1815},
    {"OrdBitBtn02", Caption, 1816}, {"OrdBitBtn02", Hint, 1817},
    {"OrdBitBtn03", Caption, 1818}, {"OrdBitBtn03", Hint, 1819},
    {"OrdBitBtn04", Caption, 1820}, {"OrdBitBtn04", Hint, 1821},
    {"OrdBitBtn05", Caption, 1822}, {"OrdBitBtn05", Hint, 1823},
    {"OrdBitBtn06", Caption, 1824}, {"OrdBitBtn06", Hint, 1825},
    {"PMenu5_BaumEinlesen", Caption, 1814}, {"PMenu5_BaumEinlesen", Hint, 1815},
    {"PMenu5_Hinzufuegen", Caption, 1816}, {"PMenu5_Hinzufuegen", Hint, 1817},
    {"PMenu5_Entfernen", Caption, 1818}, {"PMenu5_Entfernen", Hint, 1819},
    {"PMenu5_Umbenennen", Caption, 1820}, {"PMenu5_Umbenennen", Hint, 1821},
    {"PMenu5_Deselektieren", Caption, 1822}, {"PMenu5_Deselektieren", Hint, 1823},
    {"PMenu5_Loeschen", Caption, 1824}, {"PMenu5_Loeschen", Hint, 1825},
    {"PMenu5_Speichern", Caption, 1800}, {"PMenu5_Speichern", Hint, 1801},
    {"PMenu5_Laden", Caption, 1802}, {"PMenu5_Laden", Hint, 1803},
    {"PMenu5_Ordnererstellen", Caption, 1804}, {"PMenu5_Ordnererstellen", Hint, 1805},
};

// File list (Explorer01 page "DateiListe")
const MainWindowText FileListTexts[] = {
    {"DLBitBtn1", Caption, 2000}, {"DLBitBtn1", Hint, 2001},
    {"DLBitBtn2", Caption, 2002}, {"DLBitBtn2", Hint, 2003},
    {"DLBitBtn3", Caption, 2004}, {"DLBitBtn3", Hint, 2005},
    {"DLBitBtn4", Caption, 2006}, {"DLBitBtn4", Hint, 2007},
    {"DLSpeedButton01", Hint, 2008},
    {"DLSpeedButton02", Hint, 2009},
    {"DLPanel04", Caption, 2010},
};

// The report columns of both explorer lists.
const MainWindowText ExplorerTexts[] = {
    {"ShellListView01", ColumnHeader, 3210, 0}, {"ShellListView01", ColumnHeader, 3211, 1},
    {"ShellListView01", ColumnHeader, 3212, 2}, {"ShellListView01", ColumnHeader, 3213, 3},
    {"ShellListView02", ColumnHeader, 3210, 0}, {"ShellListView02", ColumnHeader, 3211, 1},
    {"ShellListView02", ColumnHeader, 3212, 2}, {"ShellListView02", ColumnHeader, 3213, 3},
};

// Main menu, explorer pop-ups and tool bar
const MainWindowText MenusTexts[] = {
    {"HMenuDatei", Caption, 3050}, {"HMenuDatei", Hint, 3051},
    // The pop-up's action items read like the Aktionen menu's until a selection names them.
    {"PM01DateiLoeschen", Caption, 3202}, {"PM01DateiLoeschen", Hint, 3203},
    {"PM01DateiUmbenennen", Caption, 3204}, {"PM01DateiUmbenennen", Hint, 3205},
    {"PM01Sortieren", Caption, 3208}, {"PM01Sortieren", Hint, 3209},
    // The help and info buttons show their items' hints.
    {"ToolButton1", Hint, 3303}, {"ToolButton2", Hint, 3305},
    {"HMenuDateiRueckgaengig", Caption, 3054}, {"HMenuDateiRueckgaengig", Hint, 3055},
    {"HMenuDateiOptionen", Caption, 3056}, {"HMenuDateiOptionen", Hint, 3057},
    {"HMenuDateiSprache", Caption, 3058}, {"HMenuDateiSprache", Hint, 3059},
    {"HMenuDateiProgDeInst", Caption, 3060}, {"HMenuDateiProgDeInst", Hint, 3061},
    {"HMenuDateiProgEnde", Caption, 3062}, {"HMenuDateiProgEnde", Hint, 3063},
    {"HMenuAnsicht", Caption, 3100}, {"HMenuAnsicht", Hint, 3101},
    {"HMenuAnsichtDateiauswahl", Caption, 3102}, {"HMenuAnsichtDateiauswahl", Hint, 3103},
    {"HMenuAnsichtDragDrop", Caption, 3104}, {"HMenuAnsichtDragDrop", Hint, 3105},
    {"HMenuAnsichtDateiAttribute", Caption, 3106}, {"HMenuAnsichtDateiAttribute", Hint, 3107},
    {"HMenuAnsichtOrdnerFuell", Caption, 3108}, {"HMenuAnsichtOrdnerFuell", Hint, 3109},
    {"HMenuAnsichtVorschau", Caption, 3110}, {"HMenuAnsichtVorschau", Hint, 3111},
    {"HMenuAnsichtThumbs", Caption, 3112}, {"HMenuAnsichtThumbs", Hint, 3113},
    {"HMenuAktionen", Caption, 3200}, {"HMenuAktionen", Hint, 3201},
    {"HMenuAktionenDateiLoeschen", Caption, 3202}, {"HMenuAktionenDateiLoeschen", Hint, 3203},
    {"HMenuAktionenUmbenennen", Caption, 3204}, {"HMenuAktionenUmbenennen", Hint, 3205},
    {"HMenuAktionenAttrAendern", Caption, 3206}, {"HMenuAktionenAttrAendern", Hint, 3207},
    {"HMenuAktionenSortieren", Caption, 3208}, {"HMenuAktionenSortieren", Hint, 3209},
    {"HMenuInfo", Caption, 3300}, {"HMenuInfo", Hint, 3301},
    {"HMenuInfoHilfe", Caption, 3302}, {"HMenuInfoHilfe", Hint, 3303},
    {"HMenuInfoInfo", Caption, 3304}, {"HMenuInfoInfo", Hint, 3305},
    {"PM01AttrAendern", Caption, 3400}, {"PM01AttrAendern", Hint, 3401},
    {"PM01AllesMarkieren", Caption, 3402}, {"PM01AllesMarkieren", Hint, 3403},
    {"PM01Eigenschaften", Caption, 3404}, {"PM01Eigenschaften", Hint, 3405},
    {"PM02OrdnerNeu", Caption, 3406}, {"PM02OrdnerNeu", Hint, 3407},
    {"PM02Eigenschaften", Caption, 3404}, {"PM02Eigenschaften", Hint, 3405},
    {"TB01Rueckgaengig", Hint, 3055},
    {"TB01Optionen", Hint, 3057},
    {"TB01ProgEnde", Hint, 3063},
    {"TB01Dateiauswahl", Hint, 3102},
    {"TB01DragDrop", Hint, 3104},
    {"TB01DateiAttribute", Hint, 3106},
    {"TB01OrdnerFuell", Hint, 3108},
    {"TB01Vorschau", Hint, 3110},
    {"TB01Thumbs", Hint, 3112},
    {"TB01Umbenennen", Hint, 3204},
    {"TB01AttrAendern", Hint, 3206},
    {"TB01Sortieren", Hint, 3208},
    {"TB01Markieren", Hint, 3402},
    {"TB01LargeIcon", Hint, 3214},
    {"TB01SmallIcon", Hint, 3215},
    {"TB01List", Hint, 3216},
    {"TB01Report", Hint, 3217},
    {"TB01Refresh", Hint, 2013},
};

// Drag-and-drop pop-up
const MainWindowText DragDropMenuTexts[] = {
    {"DragDropKopieren", Caption, 3000}, {"DragDropKopieren", Hint, 3001},
    {"DragDropVerschieben", Caption, 3002}, {"DragDropVerschieben", Hint, 3003},
    {"DragDropAbbrechen", Caption, 3004}, {"DragDropAbbrechen", Hint, 3005},
};

const MainWindowPage Pages[] = {
    {"Page control", PageControlTexts},
    {"Rename page", RenamePageTexts},
    {"Plug-in rule", PluginRuleTexts},
    {"Rename functions", FunktionenTexts},
    {"TrueType names", TTFTexts},
    {"MP3 tags", MP3Texts},
    {"Attributes page", AttributesPageTexts},
    {"Sorting page", SortingPageTexts},
    {"Folder page", FolderPageTexts},
    {"Graphics page", GraphicsPageTexts},
    {"Rename preview", RenamePreviewTexts},
    {"Folder statistics", FolderStatisticsTexts},
    {"Thumbnails", ThumbnailsTexts},
    {"Attribute view", AttributeViewTexts},
    {"MP3 album view", Mp3AlbumViewTexts},
    {"Folder tree editor", FolderTreeEditorTexts},
    {"File list", FileListTexts},
    {"Explorer panes", ExplorerTexts},
    {"Menus and tool bar", MenusTexts},
    {"Drag-and-drop pop-up", DragDropMenuTexts},
};

QStringList TextsOf(int First, int Last)
{
    QStringList texts;
    for (int id = First; id <= Last; ++id)
        texts << LoadLangString(id);
    return texts;
}

// The text shown for Caption where no access key can be marked: "&&" gives "&", a
// single "&" is dropped.
QString WithoutAccessMarks(const QString &Caption)
{
    QString shown;
    shown.reserve(Caption.size());
    for (qsizetype i = 0; i < Caption.size(); ++i) {
        if (Caption[i] == QLatin1Char('&') && ++i == Caption.size())
            break;
        shown += Caption[i];
    }
    return shown;
}

bool SetHint(QObject *Control, const QString &Hint)
{
    if (auto *menu = qobject_cast<QMenu *>(Control)) {
        menu->setToolTip(Hint);
        menu->menuAction()->setStatusTip(Hint);
    } else if (auto *action = qobject_cast<QAction *>(Control)) {
        action->setStatusTip(Hint);
        action->setToolTip(Hint);
    } else if (auto *widget = qobject_cast<QWidget *>(Control)) {
        widget->setToolTip(Hint);
    } else {
        return false;
    }
    return true;
}

bool SetItems(QObject *Control, const QStringList &Items, bool ChooseFirst)
{
    if (auto *group = qobject_cast<TRadioGroup *>(Control)) {
        group->setItems(Items); // nothing chosen
        if (ChooseFirst)
            group->setItemIndex(0);
    } else if (auto *list = qobject_cast<QListWidget *>(Control); list && !ChooseFirst) {
        list->clear();
        list->addItems(Items);
        list->setCurrentRow(-1);
    } else {
        return false;
    }
    return true;
}

bool SetTabCaption(QObject *Page, const QString &Caption)
{
    auto *page = qobject_cast<QWidget *>(Page);
    for (QWidget *w = page ? page->parentWidget() : nullptr; w; w = w->parentWidget())
        if (auto *tabs = qobject_cast<QTabWidget *>(w); tabs && tabs->indexOf(page) >= 0) {
            tabs->setTabText(tabs->indexOf(page), Caption);
            return true;
        }
    return false;
}

// Relabelling order: grid headers and the chart title, then the option groups (whose
// click handlers run), then everything else.
int Step(TextKind Kind)
{
    switch (Kind) {
    case ColumnHeader:
    case ChartTitle:
        return 0;
    case Items:
    case ItemsUnselected:
        return 1;
    default:
        return 2;
    }
}

} // namespace

std::span<const MainWindowPage> MainWindowTexts()
{
    return Pages;
}

bool SetControlCaption(QObject *Control, const QString &Caption)
{
    if (auto *label = qobject_cast<QLabel *>(Control)) {
        // A label shows its access key only while it has a buddy to give the focus to.
        label->setTextFormat(Qt::PlainText);
        label->setText(label->buddy() ? Caption : WithoutAccessMarks(Caption));
    } else if (auto *button = qobject_cast<QAbstractButton *>(Control)) {
        button->setText(Caption);
    } else if (auto *group = qobject_cast<QGroupBox *>(Control)) {
        group->setTitle(Caption);
    } else if (auto *panel = qobject_cast<TPanel *>(Control)) {
        panel->setCaption(Caption);
    } else if (auto *menu = qobject_cast<QMenu *>(Control)) {
        menu->setTitle(Caption);
    } else if (auto *action = qobject_cast<QAction *>(Control)) {
        action->setText(Caption);
    } else {
        return false;
    }
    return true;
}

bool ApplyMainWindowText(QObject *Control, const MainWindowText &Row)
{
    switch (Row.Kind) {
    case Caption:
        return SetControlCaption(Control, LoadLangString(Row.Id));
    case Hint:
        return SetHint(Control, LoadLangString(Row.Id));
    case Items:
    case ItemsUnselected:
        return SetItems(Control, TextsOf(Row.Id, Row.Last), Row.Kind == Items);
    case TabCaption:
        return SetTabCaption(Control, LoadLangString(Row.Id));
    case EditText:
        if (auto *edit = qobject_cast<QLineEdit *>(Control)) {
            edit->setText(LoadLangString(Row.Id));
            return true;
        }
        return false;
    case ColumnHeader:
        if (auto *grid = qobject_cast<TStringGrid *>(Control)) {
            grid->setCells(Row.Last, 0, LoadLangString(Row.Id));
            return true;
        }
        if (auto *list = qobject_cast<TShellListView *>(Control)) {
            list->setColumnCaption(Row.Last, LoadLangString(Row.Id));
            return true;
        }
        return false;
    case ChartTitle:
        if (auto *chart = qobject_cast<QChartView *>(Control); chart && chart->chart()) {
            chart->chart()->setTitle(LoadLangString(Row.Id));
            return true;
        }
        return false;
    }
    return false;
}

void ApplyMainWindowTexts(QObject *Control)
{
    const QString name = Control->objectName();
    for (const MainWindowPage &page : Pages)
        for (const MainWindowText &row : page.Texts)
            if (name == QLatin1String(row.Control))
                ApplyMainWindowText(Control, row);
}

void ApplyLanguageCaptions()
{
    VersionDateText = QStringLiteral("(") + LoadLangString(8990) + QStringLiteral("11.04.2003)");
    THauptForm *form = HauptForm;
    if (!form)
        return;
    form->setWindowTitle(QStringLiteral("Corvex Pro V1.52 ") + VersionDateText);
    // One user action: the click handlers of the refilled groups run without a preview
    // of their own; with the preview on it is refreshed once at the end.
    RunGuarded([form] {
        form->RunAsOneAction([form] {
            QHash<QString, QObject *> controls;
            for (QObject *control : form->findChildren<QObject *>())
                if (!control->objectName().isEmpty() && !controls.contains(control->objectName()))
                    controls.insert(control->objectName(), control);
            for (int step = 0; step < 3; ++step)
                for (const MainWindowPage &page : Pages)
                    for (const MainWindowText &row : page.Texts)
                        if (Step(row.Kind) == step)
                            if (QObject *control = controls.value(QLatin1String(row.Control)))
                                ApplyMainWindowText(control, row);
            form->ApplyListLanguage(); // the count panels and the report sizes of the lists
            form->RefreshPreview();
        });
    });
}
