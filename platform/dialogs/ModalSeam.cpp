#include "platform/dialogs/ModalSeam.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

#include <memory>
#include <vector>

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

namespace {

// Stands for a pop-up menu at the seam: its exec shows the menu and answers the position
// of the chosen item (1 the first), 0 for none. The item is not run here.
class PopupDialog : public QDialog {
public:
    PopupDialog(QMenu &menu, const QPoint &at, const QList<QAction *> &items) : menu_(menu), at_(at), items_(items) {}
    int exec() override
    {
        std::vector<std::unique_ptr<QSignalBlocker>> quiet;
        for (QAction *item : items_)
            quiet.push_back(std::make_unique<QSignalBlocker>(item));
        QAction *chosen = menu_.exec(at_);
        return chosen ? int(items_.indexOf(chosen)) + 1 : 0;
    }

private:
    QMenu &menu_;
    QPoint at_;
    QList<QAction *> items_;
};

} // namespace

void PopupMenuModal(QMenu &Menu, const QPoint &At)
{
    QList<QAction *> items;
    ModalRecord record;
    record.kind = QStringLiteral("PopupMenu");
    record.caption = Menu.objectName();
    for (QAction *action : Menu.actions())
        if (!action->isSeparator()) {
            items << action;
            record.buttons << action->text();
        }
    PopupDialog dialog(Menu, At, items);
    const int chosen = ModalSeam::exec(dialog, record);
    if (chosen >= 1 && chosen <= items.size())
        items[chosen - 1]->trigger();
}
