#include "operations/fktIcons.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "platform/fs/FileSystem.h"
#include "platform/icons/ExtractIcon.h"
#include "platform/toolkit/Buttons.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QPainter>
#include <QScrollArea>

#include <cerrno>

std::unique_ptr<QImage> IconBuffer;

namespace {

constexpr int TileStep = 34;  // a tile and the gap after it
constexpr int FirstTile = 2;  // left and top of the first tile
constexpr int LastLeft = 242; // a tile further right starts the next row

bool extracting = false; // an extraction runs
bool closeAsked = false; // and the window waits for its end to close

// Marks an extraction as running while it lives; on every way out, a close asked for
// meanwhile is sent again (queued: the batch guard is gone by the time it comes).
struct Extracting {
    Extracting()
    {
        extracting = true;
        closeAsked = false;
    }
    ~Extracting()
    {
        extracting = false;
        if (closeAsked)
            QMetaObject::invokeMethod(HauptForm, &QWidget::close, Qt::QueuedConnection);
    }
};

QWidget *TileArea()
{
    return HauptForm->ScrollBoxIcons->widget();
}

QString IconsFolder()
{
    return AddTrailingBackslash(Arbeitsverzeichnis) + QStringLiteral("Icons/");
}

void ShowFileError(const QString &Path, const QString &Reason)
{
    MessageDlg(Path + u'\r' + Reason, mtError, mbOKOnly, 0, LanguageName());
}

// Writes Content to Folder + the first free number from First + Extension. A name taken
// between the test and the creation moves on to the next number. False, after the Error
// box, when the file cannot be written.
bool SaveNumbered(const QString &Folder, int First, const QString &Extension, const QByteArray &Content)
{
    for (int m = First;; ++m) {
        const QString path = Folder + QString::number(m) + Extension;
        if (fs::exists(path))
            continue;
        const fs::Result made = fs::createFileExclusive(path, Content);
        if (made)
            return true;
        if (made.error != EEXIST) {
            ShowFileError(path, made.message());
            return false;
        }
    }
}

// Saves every tile's icon, as Encode writes it, under numbered names with Extension;
// ends at the first file that cannot be written.
template <typename Encode> void SaveIcons(const QString &Extension, Encode encode)
{
    BatchGuard guard;
    if (!guard.Entered())
        return;
    const QList<TrvIcon *> tiles = IconTiles();
    BatchCount = int(tiles.size());
    const QString folder = IconsFolder();
    if (const fs::Result made = fs::createFolders(folder); !made) {
        ShowFileError(folder, made.message());
        return;
    }
    for (qsizetype i = 0; i < tiles.size(); ++i) {
        QByteArray content;
        QBuffer buffer(&content);
        buffer.open(QIODevice::WriteOnly);
        QString failure;
        if (!encode(tiles[i]->Icon(), buffer, failure)) {
            ShowFileError(folder + QString::number(i) + Extension, failure);
            return;
        }
        if (!SaveNumbered(folder, int(i), Extension, content))
            return;
    }
}

} // namespace

// ---- TrvIcon ----

TrvIcon::TrvIcon(QWidget *AOwner) : QWidget(AOwner)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TrvIcon::setIcon(const QImage &Value)
{
    icon_ = Value.copy();
    update();
}

void TrvIcon::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(rect(), icon_);
}

// ---- Tiles ----

QList<TrvIcon *> IconTiles()
{
    return TileArea()->findChildren<TrvIcon *>(Qt::FindDirectChildrenOnly);
}

void FreeIconTiles()
{
    qDeleteAll(IconTiles());
    TileArea()->resize(TileArea()->width(), FirstTile);
}

void ExtractIconsOfFiles()
{
    THauptForm *f = HauptForm;
    BatchGuard guard;
    if (!guard.Entered())
        return;
    FreeIconTiles();
    const Extracting running; // from here a close ends the extraction
    if (f->GrafikRekursiv->Checked()) {
        QString folder;
        CollectFolderFiles(folder);
    } else {
        CollectSelectedFiles();
    }
    const QStringList files = f->AlteDateinamen;
    HourglassCursor busy;
    QWidget *area = TileArea();
    int x = FirstTile, y = FirstTile;
    for (const QString &file : files) {
        if (closeAsked)
            break;
        const int count = ExtractIconCount(file);
        for (int j = 0; j < count && !closeAsked; ++j) {
            *IconBuffer = ExtractIconA(file, j);
            if (IconBuffer->isNull())
                continue;
            auto *tile = new TrvIcon(area);
            tile->setIcon(*IconBuffer);
            tile->setGeometry(x, y, IconEdge, IconEdge);
            area->resize(area->width(), y + TileStep);
            tile->show();
            x += TileStep;
            if (x > LastLeft) {
                x = FirstTile;
                y += TileStep;
            }
            QCoreApplication::processEvents();
        }
    }
}

bool CloseAfterIconExtraction()
{
    if (extracting)
        closeAsked = true;
    return extracting;
}

void SaveIconsAsIco()
{
    HourglassCursor busy;
    SaveIcons(QStringLiteral(".ico"), [](const QImage &Icon, QBuffer &Out, QString &Failure) {
        QImageWriter writer(&Out, "ico");
        if (writer.write(Icon))
            return true;
        Failure = writer.errorString();
        return false;
    });
}

void SaveIconsAsBmp()
{
    SaveIcons(QStringLiteral(".bmp"), [](const QImage &Icon, QBuffer &Out, QString &Failure) {
        QImage bitmap(Icon.size(), QImage::Format_RGB32);
        bitmap.fill(Qt::white);
        QPainter(&bitmap).drawImage(0, 0, Icon);
        QImageWriter writer(&Out, "bmp");
        if (writer.write(bitmap))
            return true;
        Failure = writer.errorString();
        return false;
    });
}
