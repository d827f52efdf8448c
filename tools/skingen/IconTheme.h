#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// The program's icon for the desktop, drawn from the emblem: a PNG at each size desktops ask
// for and a scalable SVG, laid out as the hicolor icon theme wants them.
class IconTheme
{
public:
    // The sizes in pixels of the PNG icons, 16 to 256.
    static const QList<int>& sizes();
    static QImage draw(int size);
    static QByteArray drawScalable();
    // Writes DIR/hicolor/NxN/apps/NAME.png for every size and DIR/hicolor/scalable/apps/NAME.svg;
    // returns an error text, empty on success.
    static QString write(const QString& dir, const QString& name);
};
