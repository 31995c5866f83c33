#include "platform/dialogs/ModalSeam.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>

namespace {
ModalSeam::Handler &current()
{
    static ModalSeam::Handler h;
    return h;
}

// With CORVEX_MODAL_LOG=<file> set (process tests of the real program), a box is not
// shown: it is appended to that file as one JSON line and answered by its default
// button (QDialog::Rejected when it has none).
int LogAndAnswerDefault(const QString &logFile, QDialog &dialog, const ModalRecord &record)
{
    const QJsonObject line{{QStringLiteral("kind"), record.kind},
                           {QStringLiteral("caption"), record.caption},
                           {QStringLiteral("text"), record.text},
                           {QStringLiteral("buttons"), QJsonArray::fromStringList(record.buttons)},
                           {QStringLiteral("dlgType"), record.dlgType},
                           {QStringLiteral("buttonSet"), record.buttonSet}};
    QFile file(logFile);
    if (file.open(QIODevice::Append | QIODevice::WriteOnly))
        file.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
    dialog.setResult(QDialog::Rejected);
    for (QPushButton *button : dialog.findChildren<QPushButton *>())
        if (button->isDefault()) {
            button->click();
            break;
        }
    return dialog.result();
}
} // namespace

int ModalSeam::exec(QDialog &dialog, const ModalRecord &record)
{
    if (current())
        return current()(dialog, record);
    if (const QString logFile = qEnvironmentVariable("CORVEX_MODAL_LOG"); !logFile.isEmpty())
        return LogAndAnswerDefault(logFile, dialog, record);
    return dialog.exec();
}

void ModalSeam::setHandler(Handler handler)
{
    current() = std::move(handler);
}
