// The reference the program's start is measured against: the least a Qt widget program does,
// a line of text in a window of the program's design size.
//   MinimalWindow paint        shows the window, says "window painted" once it is on screen,
//                              and stays until ended
//   MinimalWindow grab FILE    shows the window and saves it as a PNG at zlib's fastest level
#include "WindowGeometry.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>

namespace {

// Qt stores a PNG of quality q at zlib level (100 - q) * 9 / 91: 80 is level 1.
constexpr int FastestPngQuality = 80;

class Window : public QLabel
{
public:
    explicit Window(bool grab, QString file)
        : QLabel(QStringLiteral("Hello"))
        , m_grab(grab)
        , m_file(std::move(file))
    {
        resize(WindowGeometry::DesignWidth, WindowGeometry::DesignHeight);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (m_painted) {
            return;
        }
        m_painted = true;
        // As the program does it: once the painting has reached the screen.
        QTimer::singleShot(0, this, [this] {
            if (!m_grab) {
                std::fputs("window painted\n", stderr);
                return;
            }
            QApplication::exit(grab().save(m_file, "PNG", FastestPngQuality) ? 0 : 1);
        });
    }

private:
    bool m_grab;
    QString m_file;
    bool m_painted = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const bool grab = arguments.value(1) == QLatin1String("grab");
    Window window(grab, arguments.value(2));
    window.show();
    return QApplication::exec();
}
