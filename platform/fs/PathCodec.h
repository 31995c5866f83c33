#pragma once
// Lossless conversion between file-system names (bytes) and QString.
// Valid UTF-8 decodes to its characters; every byte that is not part of valid UTF-8
// becomes the lone surrogate U+DC00 + byte and encodes back to exactly that byte.
// Any other lone surrogate names no byte: it encodes as U+FFFD (EF BF BD), so what
// encodes is either the exact bytes of a decoded name or valid UTF-8.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace fs {

QString decodeName(QByteArrayView bytes);
// Appends the characters of the name's bytes to Name (no allocation when its capacity
// suffices).
void appendDecodedName(QString &name, QByteArrayView bytes);
QByteArray encodeName(const QString &name);
// Appends the bytes of the name to Bytes (no allocation when its capacity suffices).
void appendEncodedName(QByteArray &bytes, QStringView name);

} // namespace fs
