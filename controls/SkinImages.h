#pragma once

#include <QByteArrayView>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QRgb>
#include <array>

class QPainter;

// The skin pictures by id, and the flag that lets the skinned controls paint. One object,
// made by main and passed to every control and to whoever draws skin pictures. Ids 101 to 600
// have a slot; the embedded pictures fill 101 to 400, the rest stay empty. An empty slot draws
// nothing.
class SkinImages : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool WindowActivated READ windowActivated WRITE setWindowActivated NOTIFY
                   windowActivatedChanged)

public:
    static constexpr int FirstSlotId = 101;
    static constexpr int LastSlotId = 600;

    explicit SkinImages(QObject* parent = nullptr);

    static bool hasSlot(int id) { return id >= FirstSlotId && id <= LastSlotId; }

    // Fills the slots with the embedded pictures once; a later call does nothing. Nothing is
    // decoded or copied: the slots show the program's own read-only pixels.
    void InitSkin();
    // Puts a picture of one's own into a slot (tests, and pictures made at run time).
    void setImage(int id, const QImage& image);

    const QImage& image(int id) const;
    // Size of the decoded picture; empty for an empty slot or an id without a slot.
    QSize naturalSize(int id) const;

    // Draws a picture stretched into (x, y, width, height); 0 for width or height means the
    // natural one. The id is decimal text, as the controls store it.
    void DrawSkinImage(QPainter& painter, const QString& id, float x, float y, int width = 0,
                       int height = 0) const;
    void DrawSkinImage(QPainter& painter, int id, const QRectF& target) const;
    // Draws a label at "x,y" (pixels): texts that start with a Chinese character in 18-pixel
    // bold, others in 12-pixel regular. A malformed position draws nothing.
    void DrawSkinText(QPainter& painter, const QString& text, QRgb argb,
                      const QString& position) const;
    static QFont skinTextFont(const QString& text);

    // The pictures drawn so far are kept by whoever drew them (the controls' buffers, the
    // graph's grid): the pages of the program file they were read from go back to the system,
    // which reads them again should a picture be drawn once more. Nothing when the pictures are
    // copies.
    void releaseDrawnPages() const;

    bool windowActivated() const { return m_windowActivated; }
    void setWindowActivated(bool activated);

signals:
    // Every control repaints when this changes; until the window is first activated they paint
    // nothing.
    void windowActivatedChanged(bool activated);
    void imageChanged(int id);

private:
    static constexpr int SlotCount = LastSlotId - FirstSlotId + 1;

    std::array<QImage, SlotCount> m_images;
    QByteArrayView m_pixels; // the embedded pictures where they lie, when used in place
    bool m_loaded = false;
    bool m_windowActivated = false;
};
