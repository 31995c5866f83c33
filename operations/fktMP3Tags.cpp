#include "operations/fktMP3Tags.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/ID3Tag.h"
#include "operations/fktAllgemein.h"
#include "operations/fktUmbenennen.h"
#include "operations/fktUmbenennen_Eintrag.h"
#include "platform/Abort.h"
#include "platform/fs/PathNames.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QComboBox>

using namespace RenameEntry;

namespace {

// The new name of a file by scheme 0 to 3 from artist A, title T and track K; n is
// the running number of the files with an artist but no title. Empty when the scheme
// gives no name.
QString Mp3Name(int Scheme, const TID3Tag &Tag, int &RunningNumber)
{
    const QString &a = Tag.Artist();
    const QString &t = Tag.Title();
    const bool withTrack = Scheme == 2 || Scheme == 3;
    if ((a.isEmpty() && t.isEmpty()) || (withTrack && Tag.NoTrack()))
        return {};
    const QString title = t.isEmpty() ? QString::number(++RunningNumber) : t;
    const QStringView artist = a.isEmpty() ? UnknownArtist : QStringView(a);
    const bool artistFirst = Scheme == 0 || Scheme == 2;
    QString name;
    name.reserve(Tag.Track().size() + artist.size() + title.size() + 10);
    if (withTrack)
        name.append(Tag.Track()).append(u" - ");
    name.append(artistFirst ? artist : QStringView(title)).append(u" - ");
    name.append(artistFirst ? QStringView(title) : artist).append(u".mp3");
    return name;
}

// The editor's fields into Tag, as the save button writes them.
void EditorToTag(THauptForm &f, TID3Tag &Tag)
{
    Tag.setTitle(f.MP3Titel->Text());
    Tag.setArtist(f.MP3Interpret->Text());
    Tag.setAlbum(f.MP3Album->Text());
    Tag.setYear(f.MP3Jahr->Text());
    Tag.setGenre(f.MP3Genre01->currentText());
    Tag.setTrack(QString::number(f.MP3TrackUpDown->Position()));
    Tag.setComment(f.MP3Kommentar->Text());
    Tag.setNoTrack(f.MP3TagVersion->ItemIndex() == 0);
}

void EnableEditor(THauptForm &f, bool Enabled)
{
    for (QWidget *w : std::initializer_list<QWidget *>{f.MP3Titel, f.MP3Interpret, f.MP3Album, f.MP3Jahr,
                                                       f.MP3Kommentar, f.MP3TrackUpDown, f.MP3Track, f.MP3Genre01,
                                                       f.MP3TagVersion})
        w->setEnabled(Enabled);
}

void ClearEditor(THauptForm &f)
{
    for (TEdit *edit : {f.MP3Titel, f.MP3Interpret, f.MP3Album, f.MP3Jahr, f.MP3Kommentar})
        edit->clear();
    f.MP3Genre01->setCurrentIndex(-1);
    f.MP3Genre01->setEditText(QString());
    f.MP3TrackUpDown->setPosition(0);
    f.MP3TagVersion->setItemIndex(-1);
    EnableEditor(f, false);
    f.MP3SpeedButton1->setEnabled(false);
    Mp3TagChanged = false;
}

// True while the question 9020 is open: the editor takes no other file meanwhile.
bool AskingToSave = false;

QString SelectedLeftPath(THauptForm &f)
{
    const int index = f.ShellListView01->ItemIndex();
    return index < 0 ? QString() : f.ShellListView01->Folders(index).PathName;
}

} // namespace

void NameMp3FilesFromTags()
{
    THauptForm *f = HauptForm;
    CheckTargetFolder();
    const bool inPlace = TargetMode() == 0;
    const int scheme = f->MP3RadioGroup1->ItemIndex();
    int runningNumber = 0;
    TID3Tag tag;
    QStringList &names = f->NeueDateinamen;
    for (qsizetype i = 0; i < names.size(); ++i) {
        tag.setFileName(names[i]);
        const QString name = Mp3Name(scheme, tag, runningNumber);
        if (!name.isEmpty())
            Store(names, i, inPlace ? fs::folderOf(names[i]) : RenameTargetFolder, WithoutSpecialCharacters(name));
    }
}

void SortMp3FilesByArtist()
{
    THauptForm *f = HauptForm;
    CheckTargetFolder();
    const QString target = RenameTargetFolder;
    if (!target.startsWith(u'/'))
        return; // no target folder checked
    TID3Tag tag;
    QStringList &names = f->NeueDateinamen;
    for (qsizetype i = 0; i < names.size(); ++i) {
        tag.setFileName(names[i]);
        const QString artist = NameText(tag.Artist());
        if (artist.isEmpty() || artist == u"." || artist == u"..")
            continue;
        names[i] = target + artist + u'/' + fs::nameOf(names[i]);
    }
}

void ShowMp3Tag(const QString &FileName)
{
    if (AskingToSave)
        return;
    THauptForm &f = *HauptForm;
    if (Mp3TagChanged) {
        AskingToSave = true;
        int answer = mrNo;
        try {
            answer = MessageDlg(LoadLangString(9020), mtConfirmation, mbYesNo, 0, LanguageName());
        } catch (...) {
            AskingToSave = false;
            throw;
        }
        AskingToSave = false;
        if (answer == mrYes) {
            EditorToTag(f, *f.ID3Tag);
            f.ID3Tag->SaveTagNow();
        }
        Mp3TagChanged = false;
    }
    const QString extension = fs::extensionOf(FileName);
    if (FileName.isEmpty() || (extension != u".mp3" && extension != u".mp+")) {
        ClearEditor(f);
        return;
    }
    EnableEditor(f, true);
    TID3Tag &tag = *f.ID3Tag;
    tag.setFileName(FileName);
    f.MP3Titel->setText(tag.Title());
    f.MP3Interpret->setText(tag.Artist());
    f.MP3Album->setText(tag.Album());
    f.MP3Jahr->setText(tag.Year());
    f.MP3Kommentar->setText(tag.Comment());
    f.MP3Genre01->setEditText(tag.Genre());
    f.MP3TrackUpDown->setPosition(tag.Track().toInt());
    f.MP3TagVersion->setItemIndex(tag.NoTrack() ? 0 : 1);
    f.MP3TrackUpDown->setEnabled(!tag.NoTrack());
    f.MP3Track->setEnabled(!tag.NoTrack());
    f.MP3SpeedButton1->setEnabled(false);
    f.MP3SpeedButton2->setEnabled(true);
    Mp3TagChanged = false;
}

void SaveMp3Tag()
{
    THauptForm &f = *HauptForm;
    EditorToTag(f, *f.ID3Tag);
    if (!f.ID3Tag->SaveTagNow())
        return; // the edits stay unsaved
    Mp3TagChanged = false;
    f.MP3SpeedButton1->setEnabled(false);
}

void WriteAlbumTags()
{
    THauptForm &f = *HauptForm;
    f.AlteDateinamen.clear();
    TShellListView *list = f.ShellListView01;
    for (int row : list->SelectedRows()) {
        const TShellFolder item = list->Folders(row);
        if (!item.IsFolder && !fs::extensionOf(item.PathName).isEmpty())
            f.AlteDateinamen.append(item.PathName);
    }
    if (f.AlteDateinamen.isEmpty())
        ReportAndAbort(9000);
    const qsizetype count = f.AlteDateinamen.size();
    const QStringList titles = f.MP3TitelMemo02->Lines();
    if (titles.size() < count) {
        ShowInformation(LoadLangString(9021) + u'\r' + LoadLangString(9022));
        Abort();
    }
    const bool artistList = f.MP3InterpretCB->Checked();
    const QStringList artists = artistList ? f.MP3InterpretMemo02->Lines() : QStringList();
    if (artistList && artists.size() < count) {
        ShowInformation(LoadLangString(9085) + u'\r' + LoadLangString(9086));
        Abort();
    }
    const int version = f.MP3TagVersion02->ItemIndex();
    TFailedFiles failures;
    TID3Tag tag;
    for (qsizetype i = 0; i < count; ++i) {
        tag.setFileName(f.AlteDateinamen[i]);
        tag.setArtist(artistList ? artists[i] : f.MP3Interpret02->Text());
        tag.setAlbum(f.MP3Album02->Text());
        tag.setTitle(titles[i]);
        tag.setYear(f.MP3Jahr02->Text());
        tag.setGenre(f.MP3Genre02->currentText());
        tag.setComment(f.MP3Kommentar02->Text());
        // Without a choice (after a relabelling) each file keeps its own layout.
        if (version == 0) {
            tag.setNoTrack(true);
        } else if (version == 1) {
            tag.setNoTrack(false);
            tag.setTrack(QString::number(i + 1));
        }
        tag.SaveTagInBatch(failures);
    }
    ShowMp3Tag(SelectedLeftPath(f));
    failures.Show();
}
