#include "platform/desktop/Desktop.h"

#include "platform/dialogs/ModalSeam.h"
#include "platform/fs/PathCodec.h"
#include "platform/fs/PathNames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QProcess>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// file:// URL of a path, its bytes percent-encoded (names that are not UTF-8 survive).
QByteArray FileUrl(const QString &path)
{
    return QByteArrayLiteral("file://") + fs::encodeName(path).toPercentEncoding("/");
}

} // namespace

void ShellOpen(const QString &FileName, const QString &Parameters, const QString &Directory, int)
{
    if (!Parameters.isEmpty()) {
        QProcess::startDetached(FileName, QProcess::splitCommand(Parameters), Directory);
        return;
    }
    if (FileName.startsWith(u'/')) {
        QDesktopServices::openUrl(QUrl::fromEncoded(FileUrl(FileName)));
        return;
    }
    // An address opens only with a scheme of its own: plain text never becomes a
    // guessed web address.
    static const QStringList Schemes = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mailto"),
                                        QStringLiteral("file")};
    const QUrl url(FileName, QUrl::StrictMode);
    if (url.isValid() && Schemes.contains(url.scheme(), Qt::CaseInsensitive))
        QDesktopServices::openUrl(url);
}

namespace desktop {

bool showItemProperties(const QString &path)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItemProperties"));
    call << QStringList{QString::fromLatin1(FileUrl(fs::withoutTrailingSlash(path)))} << QString();
    return bus.call(call, QDBus::Block, 3000).type() == QDBusMessage::ReplyMessage;
}

void showPropertiesDialog(QWidget *parent, const QString &caption, const QString &shownPath,
                          const QList<PropertyRow> &rows)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(caption);
    auto *layout = new QVBoxLayout(&dialog);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    for (const PropertyRow &row : rows) {
        auto *value = new QLabel(row.second, &dialog);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(row.first, value);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);

    ModalRecord record;
    record.kind = QStringLiteral("Properties");
    record.caption = caption;
    record.text = shownPath;
    record.buttons = {QStringLiteral("OK")};
    ModalSeam::exec(dialog, record);
}

} // namespace desktop
