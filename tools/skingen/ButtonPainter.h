#pragma once

#include "PicturePainter.h"

#include <QRectF>

class QColor;

// Push buttons, toggles, selector pairs and tabs: one raised key per picture, the second id of a
// pair pushed in (and lit where the button selects something).
class ButtonPainter : public PicturePainter
{
public:
    bool paint(int id, QPainter& p, const QSize& size) const override;

private:
    enum class Icon
    {
        None,
        Close,
        Import,
        Upload,
        Save,
        Undo,
        Redo,
        Reset,
        Left,
        Right,
        Up,
        Down,
        LockOpen,
        LockClosed,
    };

    struct Key
    {
        int firstId;
        Icon icon;
        const char* text; // UTF-8, may be empty
        int radius;
        bool secondIsSelected; // the second id is a lit selected state, not a pressed one
        bool led;              // a lamp left of the label shows the selected state
    };

    static const Key* findKey(int id);
    void paintKey(const Key& key, bool second, QPainter& p, const QSize& size) const;
    void paintTab(int id, QPainter& p, const QSize& size) const;
    static void paintIcon(Icon icon, QPainter& p, const QRectF& box, const QColor& colour);
};
