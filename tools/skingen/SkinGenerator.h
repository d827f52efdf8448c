#pragma once

#include <QImage>
#include <QString>
#include <memory>
#include <vector>

class PicturePainter;

// Draws the skin pictures by id at exactly their catalog size, with transparency. Drawing is
// deterministic: the same program draws the same pixels every time.
class SkinGenerator
{
public:
    SkinGenerator();
    ~SkinGenerator();

    QImage draw(int id) const;
    // Writes 101.png .. 400.png into dir, to look at; returns an error text, empty on success.
    QString writeAll(const QString& dir) const;
    // Writes every picture as the block of ready pixels the program embeds (laid out as
    // SkinCatalog describes); returns an error text, empty on success.
    QString writePixels(const QString& file) const;
    // The fonts the pictures are lettered in; empty when all are installed, else the missing.
    static QString missingFonts();

private:
    std::vector<std::unique_ptr<PicturePainter>> m_painters;
};
