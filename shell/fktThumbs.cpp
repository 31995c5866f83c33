#include "shell/fktThumbs.h"

#include "localisation/fktSprache.h"
#include "operations/fktAllgemein.h"
#include "platform/desktop/Desktop.h"
#include "platform/fs/PathNames.h"
#include "platform/jpeg/JpegDecoder.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StatusBar.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Ansicht.h"
#include "shell/Haupt_Globals.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QScopeGuard>
#include <QScrollArea>

#include <algorithm>

namespace {

constexpr int TileGap = 2;

bool building = false;
bool again = false; // a build was asked for while one ran
bool ended = false; // the window closes

bool Interrupted()
{
    return again || ended || !HauptForm;
}

bool IsJpegName(const QString &Name)
{
    const QString extension = fs::extensionOf(Name).toLower();
    return extension == u".jpg" || extension == u".jpeg";
}

// One build; returns at once when the window went or another build was asked for.
void BuildOnce(const QPointer<THauptForm> &Alive)
{
    THauptForm &f = *Alive;
    QWidget *content = f.ThumbScrollBox->widget();
    qDeleteAll(content->findChildren<TrvImage *>(Qt::FindDirectChildrenOnly));
    content->resize(0, 0);
    const int width = ThumbEdge(ThumbsBreite);
    const int height = ThumbEdge(ThumbsHoehe);
    const int rowLimit = ((f.ThumbScrollBox->width() - 25) / (width + TileGap)) * width;

    f.GrafikNamen.clear();
    if (!f.ThumbsRekursiv->Checked()) {
        const TShellListView *list = f.ShellListView01;
        for (int i = 0; i < list->Count(); ++i) {
            const TShellFolder item = list->Folders(i);
            if (!item.IsFolder && IsJpegName(item.Name))
                f.GrafikNamen.append(item.PathName);
        }
    } else if (const QString folder = f.ShellTreeView01->Path(); folder.startsWith(u'/')) {
        CollectImagesRecursive(AddTrailingBackslash(folder) + QStringLiteral("*.jpg"));
        if (!Alive || Interrupted())
            return;
        CollectImagesRecursive(AddTrailingBackslash(folder) + QStringLiteral("*.jpeg"));
        if (!Alive || Interrupted())
            return;
    }
    const QStringList paths = f.GrafikNamen;

    int x = 0, y = 0;
    const HourglassCursor hourglass;
    const QPointer<QScrollArea> box = f.ThumbScrollBox;
    box->setEnabled(false);
    const auto enable = qScopeGuard([&box] {
        if (box)
            box->setEnabled(true);
    });
    for (qsizetype i = 0; i < paths.size(); ++i) {
        f.ThumbsStatusBar->setPanel(0, LoadLangString(8999) + QString::number(i + 1));
        const QImage picture = DecodeJpeg(paths[i], QSize(width, height), true);
        if (!picture.isNull()) { // a picture that cannot be decoded leaves no gap
            auto *tile = new TrvImage(content);
            tile->setFilePath(paths[i]);
            tile->setPixmap(QPixmap::fromImage(ScaleGraphicToFit(picture, width, height)));
            tile->setGeometry(x, y, width, height);
            content->resize(std::max(content->width(), x + width), std::max(content->height(), y + height));
            tile->show();
            x += width + TileGap;
            if (x > rowLimit) {
                x = 0;
                y += height + TileGap;
            }
        }
        QCoreApplication::processEvents();
        if (!Alive || Interrupted())
            return;
    }
}

} // namespace

int ThumbEdge(int Setting)
{
    return std::clamp(Setting, 25, 250);
}

TrvImage::TrvImage(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setMouseTracking(true);
}

void TrvImage::setFilePath(const QString &Path)
{
    if (Path == FilePath_)
        return;
    FilePath_ = Path;
    const TStatusBar *status = HauptForm->ThumbsStatusBar;
    FilePathShort_ = ShortenPath(Path, status->fontMetrics(), status->width() - 100);
}

void TrvImage::OpenImageFile()
{
    ShellOpen(FilePath_, QString(), fs::folderOf(FilePath_), 1);
}

void TrvImage::ShowImagePath()
{
    HauptForm->ThumbsStatusBar->setPanel(1, FilePathShort_);
    HauptForm->ThumbScrollBox->setFocus();
}

void TrvImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    RunGuarded([this] { OpenImageFile(); });
}

void TrvImage::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    RunGuarded([this] { ShowImagePath(); });
}

void BuildThumbnails()
{
    if (building) {
        again = true;
        return;
    }
    if (!HauptForm || !HauptForm->ThumbScrollBox)
        return;
    const QPointer<THauptForm> alive = HauptForm;
    building = true;
    ended = false;
    do {
        again = false;
        BuildOnce(alive);
    } while (again && !ended && alive && alive == HauptForm);
    building = false;
    again = false;
}

void EndThumbnails()
{
    ended = true;
}

void CollectImagesRecursive(const QString &PathMask)
{
    WalkFilesRecursive(PathMask, HauptForm->GrafikNamen, [] { return building && Interrupted(); });
}

QImage ScaleGraphicToFit(const QImage &Graphic, int MaxW, int MaxH)
{
    if (Graphic.isNull())
        return Graphic;
    const double w = Graphic.width(), h = Graphic.height();
    QSize size = h >= w ? QSize(RoundEven(MaxH * w / h), MaxH) : QSize(MaxW, RoundEven(MaxW * h / w));
    size = size.expandedTo(QSize(1, 1));
    return Graphic.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString ShortenPath(const QString &Path, const QFontMetrics &Metrics, int MaxWidth)
{
    const auto fits = [&](const QString &Text) { return Metrics.horizontalAdvance(Text) <= MaxWidth; };
    if (fits(Path))
        return Path;
    const QString name = fs::nameOf(Path);
    QStringList folders = fs::folderOf(Path).split(u'/', Qt::SkipEmptyParts);
    while (!folders.isEmpty()) {
        folders.removeFirst();
        QString shorter = QStringLiteral("/...");
        for (const QString &folder : folders)
            shorter += u'/' + folder;
        shorter += u'/' + name;
        if (fits(shorter))
            return shorter;
    }
    if (fits(name))
        return name;
    for (qsizetype n = name.size() - 1; n > 0; --n) {
        if (name[n - 1].isHighSurrogate())
            continue; // never cut a character in two
        const QString cut = name.left(n) + QStringLiteral("...");
        if (fits(cut))
            return cut;
    }
    return QStringLiteral("...");
}
