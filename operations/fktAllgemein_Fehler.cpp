#include "operations/fktAllgemein_Fehler.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "platform/fs/FileSystem.h"
#include "shell/Haupt_Globals.h"

#include <cerrno>

TFailedFiles::~TFailedFiles()
{
    try {
        Show();
    } catch (...) {
        // A box that cannot be shown while an exception ends the batch is passed over.
    }
}

void TFailedFiles::Add(const QString &Path, int Error)
{
    if (count_ < ListedFiles)
        Add(Path, CauseText(Error));
    else
        ++count_;
}

void TFailedFiles::Add(const QString &Path, const QString &Cause)
{
    if (count_ < ListedFiles) {
        paths_ << Path;
        causes_ << Cause;
    }
    ++count_;
}

QString TFailedFiles::CauseText(int Error)
{
    switch (Error) {
    case EEXIST:
    case ENOTEMPTY:
        return LoadLangString(9132);
    case EACCES:
    case EPERM:
    case EROFS:
        return LoadLangString(9133);
    case ENOENT:
    case EBUSY:
    case ETXTBSY:
        return LoadLangString(9134);
    default:
        return fs::Result{Error}.message();
    }
}

int TFailedFiles::FailedCallError()
{
    return errno != 0 ? errno : EINVAL;
}

QString TFailedFiles::MessageText() const
{
    QString text = LoadLangString(9130) + QString::number(count_);
    if (count_ > ListedFiles)
        text += u'\r' + LoadLangString(9131);
    QStringList listed; // the causes given so far
    for (qsizetype i = 0; i < causes_.size(); ++i) {
        if (listed.contains(causes_[i]))
            continue;
        listed << causes_[i];
        text += u'\r' + causes_[i];
        for (qsizetype j = i; j < causes_.size(); ++j)
            if (causes_[j] == causes_[i])
                text += QStringLiteral("\r    ") + paths_[j];
    }
    return text;
}

void TFailedFiles::Show()
{
    if (shown_ || count_ == 0)
        return;
    shown_ = true;
    if (!CommandFileName.isEmpty())
        return; // an unattended run shows nothing
    MessageDlg(MessageText(), mtError, mbOKOnly, 0, LanguageName());
}
