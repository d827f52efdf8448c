#pragma once

#include "TagNew.h"

#include <QObject>
#include <optional>

class BandEditor;
class WindowLayout;
struct MainWindowContext;

// Typing a band value: a click on a band read-out opens the entry box Text1 over it with the value
// selected; Enter stores the typed value (held to its limits, snapped by the field's encoding)
// into the band, shows it everywhere and sends the band. Escape, a press anywhere else or the
// box losing the focus discards what was typed.
class NumericBandEntry : public QObject
{
public:
    static inline const QString NotNumberMessage = QStringLiteral("Only numbers are allowed here.");

    NumericBandEntry(MainWindowContext& context, BandEditor& bands, const WindowLayout& layout);

    void attach();

    void open(int readout);
    void commit();
    void discard();
    bool isOpen() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindowContext& m_context;
    BandEditor& m_bands;
    const WindowLayout& m_layout;
    // The read-out's binding: the address, field and band record the box edits.
    std::optional<TagNew::BandDisplayBinding> m_target;
};
