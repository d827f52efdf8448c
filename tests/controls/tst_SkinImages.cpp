#include "ShowNumber.h"
#include "SimpControl.h"
#include "SkinnedSlider.h"
#include "TestSkin.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

QRect paintedArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    return area;
}

// How many pages of a picture's pixels the process holds in memory.
qsizetype residentPages(const QImage& picture)
{
    const auto page = quintptr(sysconf(_SC_PAGESIZE));
    const auto first = quintptr(picture.constBits()) / page;
    const auto last = (quintptr(picture.constBits()) + quintptr(picture.sizeInBytes()) - 1) / page;
    std::vector<quint64> entries(last - first + 1);
    QFile map(QStringLiteral("/proc/self/pagemap"));
    const auto bytes = qint64(entries.size() * sizeof(quint64));
    if (!map.open(QIODevice::ReadOnly) || !map.seek(qint64(first * sizeof(quint64))) ||
        map.read(reinterpret_cast<char*>(entries.data()), bytes) != bytes) {
        return -1;
    }
    return std::count_if(entries.begin(), entries.end(), [](quint64 entry) { return entry >> 63; });
}

QImage canvas()
{
    QImage image(200, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

using ControlMaker = std::function<QWidget*(SkinImages&, QWidget*)>;
Q_DECLARE_METATYPE(ControlMaker)

class tst_SkinImages : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureLoadsAtItsCatalogSize()
    {
        SkinImages skin;
        skin.InitSkin();
        for (int id = SkinCatalog::FirstId; id <= SkinCatalog::LastId; ++id) {
            QVERIFY2(!skin.image(id).isNull(), qPrintable(QString::number(id)));
            QCOMPARE(skin.naturalSize(id), SkinCatalog::naturalSize(id));
        }
        QVERIFY(skin.image(401).isNull());
        QVERIFY(skin.image(600).isNull());
        QCOMPARE(skin.naturalSize(700), QSize(0, 0));
    }

    void secondInitSkinChangesNothing()
    {
        SkinImages skin;
        skin.InitSkin();
        skin.setImage(155, solidPicture(QSize(30, 23), qRgb(255, 0, 0)));
        skin.InitSkin();
        QCOMPARE(skin.image(155).pixel(0, 0), qRgb(255, 0, 0));
    }

    void releasedPagesComeBackUnchanged()
    {
        SkinImages skin;
        skin.InitSkin();
        const QImage& panel = skin.image(251);
        const QImage drawn = panel.copy();
        skin.releaseDrawnPages();
        QCOMPARE(residentPages(panel), 0);
        QCOMPARE(panel, drawn);
    }

    void drawSkinImage_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QRect>("area");
        QTest::newRow("natural size") << "155" << 0 << 0 << QRect(3, 4, 30, 23);
        QTest::newRow("wider") << "155" << 60 << 0 << QRect(3, 4, 60, 23);
        QTest::newRow("both given") << "155" << 10 << 5 << QRect(3, 4, 10, 5);
        QTest::newRow("id rounds") << "154.6" << 0 << 0 << QRect(3, 4, 30, 23);
        QTest::newRow("empty slot") << "401" << 0 << 0 << QRect();
        QTest::newRow("no slot") << "601" << 0 << 0 << QRect();
        QTest::newRow("not a number") << "x" << 0 << 0 << QRect();
    }
    void drawSkinImage()
    {
        QFETCH(QString, id);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QRect, area);
        SkinImages skin;
        installTestPictures(skin);
        QImage image = canvas();
        QPainter painter(&image);
        skin.DrawSkinImage(painter, id, 3, 4, width, height);
        painter.end();
        QCOMPARE(paintedArea(image), area);
    }

    void skinTextFont_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wide");
        QTest::newRow("Chinese, positive as a signed code unit") << "中文" << true;
        QTest::newRow("Chinese, negative as a signed code unit") << "颜色" << true;
        QTest::newRow("Latin-1 letter") << QStringLiteral("é") << true;
        QTest::newRow("digit first") << "12中" << false;
        QTest::newRow("Latin") << "Hz" << false;
        QTest::newRow("empty") << "" << false;
    }
    void skinTextFont()
    {
        QFETCH(QString, text);
        QFETCH(bool, wide);
        const QFont font = SkinImages::skinTextFont(text);
        QCOMPARE(font.pixelSize(), wide ? 18 : 12);
        QCOMPARE(font.bold(), wide);
    }

    void skinTextFontHasTheChineseGlyphs()
    {
        const QFont font = SkinImages::skinTextFont(QStringLiteral("数据"));
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Noto Sans CJK SC"));
        const QFontMetrics metrics(font);
        for (char32_t c : QStringLiteral("数据同步频率增益").toUcs4()) {
            QVERIFY(metrics.inFontUcs4(c));
        }
    }

    void drawSkinTextAtItsPosition_data()
    {
        QTest::addColumn<QString>("position");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("x,y") << "20,30" << true;
        QTest::newRow("blanks") << " 20 , 30 " << true;
        QTest::newRow("one number") << "20" << false;
        QTest::newRow("not numbers") << "a,b" << false;
    }
    void drawSkinTextAtItsPosition()
    {
        QFETCH(QString, position);
        QFETCH(bool, drawn);
        SkinImages skin;
        QImage image = canvas();
        QPainter painter(&image);
        skin.DrawSkinText(painter, QStringLiteral("中"), 0xFFFFFFFF, position);
        painter.end();
        const QRect area = paintedArea(image);
        QCOMPARE(!area.isNull(), drawn);
        if (drawn) {
            QVERIFY(area.left() >= 20 && area.top() >= 30);
            QVERIFY(area.right() < 20 + 18 && area.bottom() < 30 + 30);
        }
    }

    void nothingIsPaintedBeforeTheWindowIsActivated_data()
    {
        QTest::addColumn<ControlMaker>("make");
        QTest::newRow("SimpControl") << ControlMaker(
            [](SkinImages& s, QWidget* p) { return static_cast<QWidget*>(new SimpControl(s, p)); });
        QTest::newRow("SkinnedSlider") << ControlMaker([](SkinImages& s, QWidget* p) {
            return static_cast<QWidget*>(new SkinnedSlider(s, p));
        });
        QTest::newRow("ShowNumber") << ControlMaker(
            [](SkinImages& s, QWidget* p) { return static_cast<QWidget*>(new ShowNumber(s, p)); });
    }
    void nothingIsPaintedBeforeTheWindowIsActivated()
    {
        QFETCH(ControlMaker, make);
        SkinImages skin;
        installTestPictures(skin);
        QWidget window;
        window.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(1, 2, 3));
        window.setPalette(palette);
        window.resize(100, 100);
        QWidget* control = make(skin, &window);
        control->setGeometry(0, 0, 40, 40);
        QCOMPARE(window.grab().toImage().pixel(20, 20), qRgb(1, 2, 3));
        skin.setWindowActivated(true);
        QVERIFY(window.grab().toImage().pixel(20, 20) != qRgb(1, 2, 3));
    }
};

QTEST_MAIN(tst_SkinImages)
#include "tst_SkinImages.moc"
