#include "DeviceLink.h"
#include "FileChooser.h"
#include "ParamModel.h"
#include "RecordingMessages.h"
#include "SimProcessor.h"
#include "SimulatedComm.h"
#include "SkinImages.h"
#include "frmEQ.h"

#include <QTest>

namespace {

class NoFiles : public FileChooser
{
public:
    QCoro::Task<QString> BrowsePresetFile() override { co_return {}; }
    QCoro::Task<QString> ChoosePresetSaveFile() override { co_return {}; }
    QCoro::Task<QString> browseFilterFile() override { co_return {}; }
    QCoro::Task<QString> chooseFilterSaveFile() override { co_return {}; }
    QCoro::Task<QString> browseMeasurementFile() override { co_return {}; }
};

} // namespace

// From nothing to the first painted window: the skin decoded, the design loaded and laid out,
// the factory values shown, the window painted once.
class bench_Startup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstPaintedWindow()
    {
        QBENCHMARK
        {
            ParamModel model;
            SkinImages skin;
            SimProcessor sim;
            SimulatedComm comm(sim);
            RecordingMessages messages;
            DeviceLink link(model, comm);
            NoFiles files;
            skin.InitSkin();
            frmEQ window(model, skin, link, messages, files);
            QString error;
            QVERIFY2(window.load(error), qPrintable(error));
            skin.setWindowActivated(true);
            QVERIFY(!window.grab().isNull());
        }
    }
};

QTEST_MAIN(bench_Startup)
#include "bench_Startup.moc"
