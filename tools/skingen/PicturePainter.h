#pragma once

class QPainter;
class QSize;

// One family of skin pictures. The generator hands every id to each family in turn; a family
// draws the ids it owns onto the cleared (transparent) picture of the catalog size.
class PicturePainter
{
public:
    virtual ~PicturePainter() = default;

    // Draws picture id and returns true when the id belongs to this family.
    virtual bool paint(int id, QPainter& p, const QSize& size) const = 0;
};
