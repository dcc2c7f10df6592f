#pragma once

#include <QByteArrayView>
#include <QString>

// A class's file as text for the text box: its bytes decoded as UTF-8 (its
// byte order mark passed over) or as Shift_JIS, as the bytes tell.
QString DecodeClassFile(QByteArrayView bytes);

// What reading a file gave: its text, or why it was not opened.
struct ClassFileText {
    QString text;
    QString refusal; // empty when the file was read
};

// Reads at most the pasted text's limit; a larger file, or one that cannot be
// read, is refused whole with a message for the teacher.
ClassFileText ReadClassFile(const QString& path);
