#pragma once
// The files of a batch that could not be changed. Each executor of the window notes a
// failed file with the cause of the failed call and goes on with the others; after the
// batch one box tells how many files failed and, for the first ten, their paths with
// the cause. Nothing is shown in a command-file run.

#include <QString>
#include <QStringList>

class TFailedFiles {
public:
    // The files listed by name in the box.
    static constexpr qsizetype ListedFiles = 10;

    TFailedFiles() = default;
    // Shows the box when Show was not reached: a batch ended by an exception still
    // reports the failures it had.
    ~TFailedFiles();
    TFailedFiles(const TFailedFiles &) = delete;
    TFailedFiles &operator=(const TFailedFiles &) = delete;

    // The cause from the errno of the failed call.
    void Add(const QString &Path, int Error);
    // The cause in words, where the failed service gives no errno.
    void Add(const QString &Path, const QString &Cause);
    qsizetype Count() const { return count_; }

    // The one box (kind Error, OK), once; nothing when no file failed.
    void Show();
    // The box's text: the count, then the listed files grouped by their causes (in the
    // order the causes first came), each cause on a line and its paths below it.
    QString MessageText() const;

    // The cause of an errno in the chosen language: the name exists already; no
    // permission or read-only; the file is in use or missing; else the system's text.
    static QString CauseText(int Error);
    // The errno a platform call that returned false left (errno is set to 0 before the
    // call); EINVAL when it left none.
    static int FailedCallError();

private:
    qsizetype count_ = 0;
    QStringList paths_, causes_; // of the first ListedFiles files
    bool shown_ = false;
};
