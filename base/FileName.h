#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// File names as the system has them: bytes, not necessarily UTF-8. Qt decodes names as UTF-8
// whatever the locale and turns every byte that is not UTF-8 into U+FFFD, so two Latin-1 names
// can become one. Here a name's UTF-8 parts decode as usual and every other byte becomes one of
// the code points U+DC80..U+DCFF (which no UTF-8 text decodes to), so the bytes come back exactly.
// Such names reach the file system only through toBytes(), never through QFile.
class FileName
{
public:
    static QString fromBytes(QByteArrayView bytes);
    static QByteArray toBytes(QStringView name);
    // The program's own arguments, byte for byte (argv after QCoreApplication has taken its own
    // options), the program name first.
    static QStringList arguments(int argc, const char* const* argv);
    // A name fit for a terminal or a message: control characters and bytes that are not text
    // written as \xNN (or \uNNNN), everything else as it is.
    static QString shown(QStringView name);
};
