#include "CommIndicator.h"

#include "AppStyle.h"
#include "CommLog.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr char KeepAliveCaption[] = QT_TRANSLATE_NOOP("CommIndicator", "联机命令显示开关");
constexpr QSize InitialSize(640, 420);
// The text box leaves this much of the inner width and height to the rest (twips).
constexpr int TextWidthMargin = 100;
constexpr int TextHeightMargin = 350;
constexpr int StripPadding = 2; // pixels around the button and the file line

} // namespace

CommIndicator::CommIndicator(CommLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , logText(new QPlainTextEdit(this))
    , keepAliveButton(new QPushButton(tr(KeepAliveCaption), this))
    , fileLine(new QLabel(this))
    , m_log(log)
    , m_archive(log, m_file)
{
    setWindowTitle(caption());
    setFont(AppStyle::dialogFont());
    const std::pair<QWidget*, const char*> names[] = {
        {logText, "Text1"}, {keepAliveButton, "Command1"}, {fileLine, "FileLine"}};
    for (const auto& [control, name] : names) {
        control->setObjectName(QLatin1String(name));
    }
    logText->setReadOnly(true);
    logText->setFont(AppStyle::logFont());
    logText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // A frame's bytes are one long word: wrap it at the edge, not before it.
    logText->setWordWrapMode(QTextOption::WrapAnywhere);
    logText->viewport()->installEventFilter(this);
    fileLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    resize(InitialSize);

    m_timer.setInterval(RefreshMs);
    connect(&m_timer, &QTimer::timeout, this, &CommIndicator::refresh);
    connect(keepAliveButton, &QPushButton::clicked, this,
            [this] { m_log.setShowsKeepAlive(!m_log.showsKeepAlive()); });
}

void CommIndicator::open()
{
    if (!m_archive.isOpen()) {
        m_archive.open();
        showFileStatus();
        refresh();
        m_timer.start();
    }
    show();
    raise();
    activateWindow();
}

void CommIndicator::programEnding()
{
    m_archive.saveUnwritten();
    close();
}

void CommIndicator::closeEvent(QCloseEvent* event)
{
    m_timer.stop();
    m_archive.close();
    QWidget::closeEvent(event);
}

void CommIndicator::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QRect text = twipsToPixels(QRectF(0, 0, width() * TwipsPerPixel - TextWidthMargin,
                                            height() * TwipsPerPixel - TextHeightMargin));
    logText->setGeometry(text);
    const int stripTop = text.bottom() + 1 + StripPadding;
    const int stripHeight = qMax(0, height() - stripTop - StripPadding);
    const int buttonWidth = keepAliveButton->sizeHint().width();
    keepAliveButton->setGeometry(StripPadding, stripTop, buttonWidth, stripHeight);
    const int lineLeft = StripPadding + buttonWidth + 3 * StripPadding;
    fileLine->setGeometry(lineLeft, stripTop, qMax(0, text.width() - lineLeft), stripHeight);
}

bool CommIndicator::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == logText->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        m_archive.clearAndSave();
        showFileStatus();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CommIndicator::refresh()
{
    const std::optional<CommLogArchive::Update> update = m_archive.tick();
    if (!update) {
        return;
    }
    if (update->replace) {
        logText->setPlainText(update->text);
        showFileStatus(); // a roll-over wrote the file
    } else {
        QTextCursor end(logText->document());
        end.movePosition(QTextCursor::End);
        end.insertText(update->text);
    }
    logText->moveCursor(QTextCursor::End);
    logText->ensureCursorVisible();
}

void CommIndicator::showFileStatus()
{
    fileLine->setText(m_file.status());
    fileLine->setToolTip(m_file.status());
    logText->setToolTip(QDir::toNativeSeparators(m_file.path()));
}
