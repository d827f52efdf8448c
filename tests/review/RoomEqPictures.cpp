#include "EqGraphView.h"
#include "MainCommands.h"
#include "MainWindowHarness.h"
#include "PictureFolder.h"
#include "PictureSets.h"
#include "RoomEqActions.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>

namespace {

// A living room as a measurement program exports it, 48 points an octave: a mode at 58 Hz, a
// dip at 125 Hz, a presence bump and a falling top, with a little ripple.
QByteArray measuredRoom()
{
    QByteArray text = "* Measurement: living room, left speaker\n* Freq(Hz) SPL(dB) Phase\n";
    const auto bell = [](double f, double centre, double octaves) {
        return std::exp(-std::pow(std::log2(f / centre) / octaves, 2));
    };
    for (double f = 20; f <= 20000; f *= std::exp2(1.0 / 48)) {
        const double db = 78 + 8 * bell(f, 58, 0.18) - 6 * bell(f, 125, 0.25) +
                          3 * bell(f, 2500, 0.6) - 4 * std::max(0.0, std::log2(f / 8000)) +
                          0.3 * std::sin(f / 7);
        text += QByteArray::number(f, 'f', 3) + ' ' + QByteArray::number(db, 'f', 2) + " 0\n";
    }
    return text;
}

// A filter file a room-measurement program might write for the music group.
constexpr const char* FilterFile = "Filter Settings file\n"
                                   "Preamp: -4.5 dB\n"
                                   "Filter 1: ON LSC Fc 80 Hz Gain 4.0 dB Q 0.71\n"
                                   "Filter 2: ON PK Fc 180 Hz Gain -3.5 dB Q 2.0\n"
                                   "Filter 3: ON PK Fc 720 Hz Gain -2.0 dB Q 1.2\n"
                                   "Filter 4: ON PK Fc 3150 Hz Gain 3.0 dB Q 1.5\n"
                                   "Filter 5: ON PK Fc 7400 Hz Gain -5.0 dB Q 4.0\n"
                                   "Filter 6: ON HSC Fc 12000 Hz Gain -2.0 dB Q 0.71\n";

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

void drawRoomEqPictures(PictureFolder& folder)
{
    QTemporaryDir dir;
    const QString room = dir.filePath(QStringLiteral("room.txt"));
    const QString target = dir.filePath(QStringLiteral("house.csv"));
    const QString filters = dir.filePath(QStringLiteral("filters.txt"));
    MainWindowHarness h;
    auto* graph = h.loaded ? qobject_cast<EqGraphView*>(h.c().graph) : nullptr;
    if (!graph || !writeFile(room, measuredRoom()) ||
        !writeFile(target, "frequency,raw\n20,4\n100,3\n200,1\n1000,0\n10000,-2\n20000,-3\n") ||
        !writeFile(filters, FilterFile)) {
        folder.fail(h.loaded ? QStringLiteral("the room EQ pictures could not be set up")
                             : h.loadError);
        return;
    }
    h.model.store().setValue(ParamField::Value, 0, 0x02, 1); // the music EQ on: no banner
    RoomEqActions& actions = h.roomEq();

    // The measured room, the house curve, and the music group fitted to correct it.
    h.files.openPath = room;
    actions.loadMeasurement();
    h.files.openPath = target;
    actions.loadTarget();
    actions.fitToMeasurement();
    folder.save(QStringLiteral("roomeq-measurement-fit"), graph->grab().toImage());
    folder.save(QStringLiteral("roomeq-measurement-fit-window"), h.window.grab().toImage());

    // A filter file with shelves imported into the music group, the measurement cleared.
    actions.clearMeasurement();
    h.files.openPath = filters;
    actions.importFilterFile();
    folder.save(QStringLiteral("roomeq-import-music"), graph->grab().toImage());

    // The effect group fitted to the room, its cuts drawn apart.
    h.commands().selectGroup(3);
    h.model.store().setValue(ParamField::Value, 0, 0x88, 1);
    h.files.openPath = room;
    actions.loadMeasurement();
    actions.fitToMeasurement();
    folder.save(QStringLiteral("roomeq-effect-fit"), graph->grab().toImage());
}
