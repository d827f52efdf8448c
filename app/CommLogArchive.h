#pragma once

#include <QString>
#include <optional>

class CommLog;
class CommLogFile;

// What the log window does with the link's log text, without the window: while it is open the
// link logs; every tick hands over what is new for the display; a text longer than 60000
// characters moves to the log file and the display starts again empty; a double-click moves the
// text to the file at once.
class CommLogArchive
{
public:
    static constexpr int RollOverLength = 60000;

    // What the display shows next, with plain line breaks: the whole text (replace) or the part
    // to add at its end.
    struct Update
    {
        bool replace;
        QString text;

        bool operator==(const Update&) const = default;
    };

    CommLogArchive(CommLog& log, CommLogFile& file);

    // The window loads: keep-alive traffic shown, logging on, the file of the previous opening
    // gone, and the next tick shows the whole text.
    void open();
    // The window closes: logging off. The text stays for the next opening.
    void close();
    bool isOpen() const { return m_open; }

    // Nothing when the text has not changed since the last tick.
    std::optional<Update> tick();
    // Moves the text to the file; the next tick empties the display.
    void clearAndSave();
    // The program ends while the window is open: what the file has not got yet goes there.
    void saveUnwritten();

private:
    void moveTextToFile();

    CommLog& m_log;
    CommLogFile& m_file;
    bool m_open = false;
    bool m_replaceNext = true;
    qsizetype m_shownLength = 0;
};
