#pragma once
// The thumbnail view: one tile per JPEG file of the left explorer's folder (or folder
// tree) on ThumbScrollBox, built with the message loop running once per picture.

#include <QImage>
#include <QLabel>
#include <QString>

class QFontMetrics;

// One thumbnail. A double click opens the picture with the desktop's opener; a mouse
// move shows its shortened path in panel 1 of ThumbsStatusBar.
class TrvImage : public QLabel {
    Q_OBJECT
public:
    explicit TrvImage(QWidget *parent);

    QString FilePath() const { return FilePath_; }
    // Also sets FilePathShort: the path shortened to the status bar's width - 100.
    void setFilePath(const QString &Path);
    QString FilePathShort() const { return FilePathShort_; }

    void OpenImageFile();
    void ShowImagePath();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QString FilePath_, FilePathShort_;
};

// Rebuilds the thumbnails. Asked for during a build, the running one ends before its
// next picture and a new one starts.
void BuildThumbnails();
// The window closes: a running build ends after its current picture.
void EndThumbnails();
// Adds to GrafikNamen the files of PathMask's folder matching its mask, then those of
// every sub-folder not beginning with "." (the walk of the recursive collector).
void CollectImagesRecursive(const QString &PathMask);
// Graphic scaled to fit MaxW x MaxH with its aspect ratio (edges rounded half to even,
// none below 1 pixel).
QImage ScaleGraphicToFit(const QImage &Graphic, int MaxW, int MaxH);
// Path shortened to MaxWidth in Metrics: folders give way to "..." from the left
// ("/.../Bilder/2024/a.jpg"), then the name alone, then the name cut with "...".
QString ShortenPath(const QString &Path, const QFontMetrics &Metrics, int MaxWidth);
// A thumbnail edge: the setting kept within 25 to 250, so that a hand-edited value
// cannot eat the memory.
int ThumbEdge(int Setting);
