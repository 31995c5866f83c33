#pragma once
// Records the file URLs the desktop opener is handed while it lives.

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

class FileOpener : public QObject {
    Q_OBJECT
public:
    FileOpener() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~FileOpener() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};
