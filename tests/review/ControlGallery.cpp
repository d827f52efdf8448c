#include "C_ProgressBar.h"
#include "PictureFolder.h"
#include "PictureSets.h"
#include "ShowNumber.h"
#include "SimpControl.h"
#include "SkinImages.h"
#include "SkinnedSlider.h"
#include "Twips.h"

#include <QPainter>
#include <functional>

namespace {

struct Sample
{
    QString label;
    std::function<SkinnedControl*(SkinImages&, QWidget*)> make;
};

SimpControl* button(SkinImages& skin, QWidget* parent, const QString& pics, int value,
                    bool highCut = false)
{
    auto* control = new SimpControl(skin, parent);
    control->setPics(pics);
    control->setValue(value);
    control->setUserHightCutPic(highCut);
    return control;
}

SkinnedSlider* slider(SkinImages& skin, QWidget* parent, int track, int thumb, int type,
                      int maxValue, int minPos, int maxPos, int other, int value)
{
    auto* control = new SkinnedSlider(skin, parent);
    control->setBackPic(track);
    control->setBarPic(thumb);
    control->setDisplayType(type);
    control->setChangeMinMax(type == SkinnedSlider::Vertical);
    control->setMaxValue(maxValue);
    control->setMinPos(minPos);
    control->setMaxPos(maxPos);
    control->setStableOtherPos(other);
    control->setValue(value);
    return control;
}

ShowNumber* number(SkinImages& skin, QWidget* parent, int zero, int back, int value, bool div10)
{
    auto* control = new ShowNumber(skin, parent);
    control->setTwipsGeometry(QRectF(0, 0, 60 * TwipsPerPixel, 20 * TwipsPerPixel));
    control->setPicNumber(zero);
    if (back != 0) {
        control->setBackPic(back);
    }
    control->setBackColor(0x181818);
    control->setValue(value);
    control->setDiv10(div10);
    return control;
}

C_ProgressBar* progress(SkinImages& skin, QWidget* parent, int value, int maxValue)
{
    auto* control = new C_ProgressBar(skin, parent);
    control->setGeometry(0, 0, 420, 30);
    control->setValue(value);
    control->setMaxValue(maxValue);
    return control;
}

QList<QList<Sample>> sampleRows()
{
    using S = SkinImages;
    using W = QWidget;
    return {
        {
            {"close",
             [](S& s, W* p) {
                 return button(s, p, "102", 0);
             }},
            {"close pressed",
             [](S& s, W* p) {
                 return button(s, p, "102", 1);
             }},
            {"bypass off",
             [](S& s, W* p) {
                 return button(s, p, "140", 0);
             }},
            {"bypass on",
             [](S& s, W* p) {
                 return button(s, p, "140", 1);
             }},
            {"tab",
             [](S& s, W* p) {
                 return button(s, p, "118", 0);
             }},
            {"tab selected",
             [](S& s, W* p) {
                 return button(s, p, "118", 1);
             }},
            {"input 1",
             [](S& s, W* p) {
                 return button(s, p, "158", 0);
             }},
            {"input 7",
             [](S& s, W* p) {
                 return button(s, p, "158", 6);
             }},
            {"band 1",
             [](S& s, W* p) {
                 return button(s, p, "363", 0);
             }},
            {"high cut",
             [](S& s, W* p) {
                 return button(s, p, "363", 1, true);
             }},
            {"mode 3",
             [](S& s, W* p) {
                 return button(s, p, "210", 2);
             }},
            {"undo refused",
             [](S& s, W* p) {
                 SimpControl* undo = button(s, p, "136", 0);
                 undo->showRefusal();
                 return undo;
             }},
        },
        {
            {"fader 0",
             [](S& s, W* p) {
                 return slider(s, p, 220, 175, 1, 80, 24, 280, 4, 0);
             }},
            {"fader 40",
             [](S& s, W* p) {
                 return slider(s, p, 220, 175, 1, 80, 24, 280, 4, 40);
             }},
            {"fader 80",
             [](S& s, W* p) {
                 return slider(s, p, 220, 175, 1, 80, 24, 280, 4, 80);
             }},
            {"small 60",
             [](S& s, W* p) {
                 return slider(s, p, 272, 175, 1, 80, 16, 124, 7, 60);
             }},
            {"group 20",
             [](S& s, W* p) {
                 return slider(s, p, 317, 318, 1, 80, 18, 148, 2, 20);
             }},
            {"effect 30",
             [](S& s, W* p) {
                 return slider(s, p, 299, 175, 1, 80, 20, 156, 4, 30);
             }},
            {"tone 5",
             [](S& s, W* p) {
                 return slider(s, p, 221, 218, 1, 10, 18, 310, 8, 5);
             }},
        },
        {
            {"balance 0",
             [](S& s, W* p) {
                 return slider(s, p, 244, 241, 0, 160, 28, 122, 3, 0);
             }},
            {"balance 80",
             [](S& s, W* p) {
                 return slider(s, p, 244, 241, 0, 160, 28, 122, 3, 80);
             }},
            {"echo 100",
             [](S& s, W* p) {
                 return slider(s, p, 298, 175, 0, 127, 20, 209, 4, 100);
             }},
            {"freq knob",
             [](S& s, W* p) {
                 return slider(s, p, 245, 175, 0, 241, 56, 256, 7, 60);
             }},
            {"gain knob",
             [](S& s, W* p) {
                 return slider(s, p, 246, 175, 0, 150, 56, 256, 7, 120);
             }},
            {"gain knob disabled",
             [](S& s, W* p) {
                 SkinnedSlider* knob = slider(s, p, 246, 175, 0, 150, 56, 256, 7, 75);
                 knob->setEnabled(false);
                 return knob;
             }},
        },
        {
            {"-1234",
             [](S& s, W* p) {
                 return number(s, p, 223, 0, -1234, false);
             }},
            {"-123.4",
             [](S& s, W* p) {
                 return number(s, p, 223, 0, -1234, true);
             }},
            {"0.7",
             [](S& s, W* p) {
                 return number(s, p, 223, 0, 7, true);
             }},
            {"-14.6",
             [](S& s, W* p) {
                 return number(s, p, 223, 0, -146, true);
             }},
            {"small 88",
             [](S& s, W* p) {
                 return number(s, p, 305, 0, 88, false);
             }},
            {"read-out 12.5",
             [](S& s, W* p) {
                 return number(s, p, 305, 252, 125, true);
             }},
            {"progress 0",
             [](S& s, W* p) {
                 return progress(s, p, 0, 100);
             }},
            {"progress 50",
             [](S& s, W* p) {
                 return progress(s, p, 50, 100);
             }},
        },
    };
}

// One block of the gallery: every sample at one scale, with its label above it.
QImage drawBlock(SkinImages& skin, double scale)
{
    QWidget host;
    host.resize(4000, 2000);
    QList<QList<std::pair<QString, QImage>>> tiles;
    for (const QList<Sample>& row : sampleRows()) {
        tiles.append(QList<std::pair<QString, QImage>>());
        for (const Sample& sample : row) {
            SkinnedControl* control = sample.make(skin, &host);
            control->setTwipsGeometry(
                QRectF(QPointF(0, 0), QSizeF(control->size()) * (TwipsPerPixel * scale)));
            tiles.last().append({sample.label, control->grab().toImage()});
        }
    }
    constexpr int Gap = 16;
    constexpr int LabelHeight = 18;
    int width = 0;
    int height = LabelHeight;
    for (const auto& row : tiles) {
        int rowWidth = Gap;
        int rowHeight = 0;
        for (const auto& [label, image] : row) {
            rowWidth += std::max(image.width(), 96) + Gap;
            rowHeight = std::max(rowHeight, image.height());
        }
        width = std::max(width, rowWidth);
        height += rowHeight + LabelHeight + Gap;
    }
    QImage block(width, height, QImage::Format_RGB32);
    block.fill(QColor(0x2B, 0x2E, 0x33));
    QPainter painter(&block);
    painter.setPen(QColor(0xE0, 0xE0, 0xE0));
    painter.drawText(Gap, 14, QStringLiteral("scale %1").arg(scale));
    int y = LabelHeight + 4;
    for (const auto& row : tiles) {
        int x = Gap;
        int rowHeight = 0;
        for (const auto& [label, image] : row) {
            painter.drawText(x, y + 12, label);
            painter.drawImage(x, y + LabelHeight, image);
            x += std::max(image.width(), 96) + Gap;
            rowHeight = std::max(rowHeight, image.height());
        }
        y += rowHeight + LabelHeight + Gap;
    }
    return block;
}

} // namespace

void drawControlGallery(PictureFolder& folder)
{
    SkinImages skin;
    skin.InitSkin();
    skin.setWindowActivated(true);
    folder.save(QStringLiteral("gallery-1x"), drawBlock(skin, 1.0));
    folder.save(QStringLiteral("gallery-1.5x"), drawBlock(skin, 1.5));
}
