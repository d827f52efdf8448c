#pragma once

#include <QWidget>

class SkinImages;

// The equaliser graph's picture box. For now it shows its background picture scaled to its size;
// the grid, the response curves and the band markers are drawn over it here.
class EqGraphView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int BackgroundPicture = 297;

    explicit EqGraphView(SkinImages& skin, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SkinImages& m_skin;
};
