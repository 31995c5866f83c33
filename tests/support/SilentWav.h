#pragma once
// A WAV file of silence (8 kHz, 16 bit, mono) that the media player can open and play.

#include <QByteArray>

inline QByteArray SilentWav(int Milliseconds)
{
    const quint32 data = quint32(Milliseconds) * 16; // 16,000 bytes a second
    QByteArray wav("RIFF");
    auto add32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) wav.append(char((v >> (8 * i)) & 0xFF)); };
    auto add16 = [&](quint16 v) { wav.append(char(v & 0xFF)).append(char(v >> 8)); };
    add32(36 + data);
    wav.append("WAVEfmt ");
    add32(16);
    add16(1);
    add16(1);
    add32(8000);
    add32(16000);
    add16(2);
    add16(16);
    wav.append("data");
    add32(data);
    wav.append(QByteArray(qsizetype(data), '\0'));
    return wav;
}
