#pragma once

#include "CommLogArchive.h"
#include "CommLogFile.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

class CommLog;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The communication log window: the link's raw traffic as hexadecimal lines, refreshed every
// 200 ms while it is open. Not modal. A double-click on the text moves it to the log file, whose
// full path (or why it could not be written) shows on the line under the text.
class CommIndicator : public QWidget
{
    Q_OBJECT

public:
    static QString caption()
    {
        return QCoreApplication::translate("CommIndicator", "通信指示器  双击清空显示并保存到文件");
    }
    static constexpr int RefreshMs = 200; // Timer1

    CommIndicator(CommLog& log, QWidget* parent = nullptr);

    // Loads and shows the window, or brings it to the front when it is open already.
    void open();
    // The program ends: the text the file has not got yet goes there, and the window closes.
    void programEnding();

    // Where the file goes; tests point it at folders of their own before opening.
    void setLogFile(const CommLogFile& file) { m_file = file; }
    const CommLogFile& logFile() const { return m_file; }

    QPlainTextEdit* const logText;
    QPushButton* const keepAliveButton; // keep-alive display on / off
    QLabel* const fileLine;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void showFileStatus();

    CommLog& m_log;
    CommLogFile m_file;
    CommLogArchive m_archive;
    QTimer m_timer; // Timer1
};
