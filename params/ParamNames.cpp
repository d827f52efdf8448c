#include "ParamNames.h"

#include <array>

namespace {

constexpr std::array<ParamInfo, 99> Table{{
    {0x00, u"主通道音乐均衡", "main-channel music balance", ParamKind::Balance},
    {0x01, u"音乐低切", "music low cut", ParamKind::Cut},
    {0x02, u"音乐旁通", "music EQ bypass", ParamKind::Switch},
    {0x03, u"音乐EQ1", "music EQ band 1", ParamKind::Band},
    {0x04, u"音乐EQ2", "music EQ band 2", ParamKind::Band},
    {0x05, u"音乐EQ3", "music EQ band 3", ParamKind::Band},
    {0x06, u"音乐EQ4", "music EQ band 4", ParamKind::Band},
    {0x07, u"音乐EQ5", "music EQ band 5", ParamKind::Band},
    {0x08, u"音乐EQ6", "music EQ band 6", ParamKind::Band},
    {0x09, u"音乐EQ7", "music EQ band 7", ParamKind::Band},
    {0x0A, u"辅通道音乐均衡", "auxiliary-channel music balance", ParamKind::Balance},
    {0x0B, u"辅助-音乐音量", "aux: music volume", ParamKind::Level},
    {0x0C, u"辅助-话筒音量", "aux: microphone volume", ParamKind::Level},
    {0x0D, u"效果进环绕", "effect into surround", ParamKind::Switch},
    {0x0E, u"环绕旁通", "surround EQ bypass", ParamKind::Switch},
    {0x0F, u"环绕EQ1", "surround EQ band 1", ParamKind::Band},
    {0x10, u"环绕EQ2", "surround EQ band 2", ParamKind::Band},
    {0x11, u"环绕EQ3", "surround EQ band 3", ParamKind::Band},
    {0x12, u"中置-音乐音量", "centre: music volume", ParamKind::Level},
    {0x13, u"中置-话筒音量", "centre: microphone volume", ParamKind::Level},
    {0x14, u"效果进中置", "effect into centre", ParamKind::Switch},
    {0x15, u"中置旁通", "centre EQ bypass", ParamKind::Switch},
    {0x16, u"中置EQ1", "centre EQ band 1", ParamKind::Band},
    {0x17, u"中置EQ2", "centre EQ band 2", ParamKind::Band},
    {0x18, u"中置EQ3", "centre EQ band 3", ParamKind::Band},
    {0x19, u"低音-话筒开启前音量", "bass: volume before the microphone opens", ParamKind::Level},
    {0x1A, u"低音-话筒开启后音量", "bass: volume after the microphone opens", ParamKind::Level},
    {0x1B, u"低音相位", "bass phase", ParamKind::Switch},
    {0x1C, u"低音低切", "bass low cut", ParamKind::Cut},
    {0x1D, u"低音高切", "bass high cut", ParamKind::Cut},
    {0x1E, u"低音旁通", "bass EQ bypass", ParamKind::Switch},
    {0x1F, u"低音EQ1", "bass EQ band 1", ParamKind::Band},
    {0x20, u"低音EQ2", "bass EQ band 2", ParamKind::Band},
    {0x21, u"低音EQ3", "bass EQ band 3", ParamKind::Band},
    {0x22, u"录音-音乐音量", "record: music volume", ParamKind::Level},
    {0x23, u"录音-话筒音量", "record: microphone volume", ParamKind::Level},
    {0x24, u"效果进录音", "effect into record", ParamKind::Switch},
    {0x25, u"录音旁通", "record EQ bypass", ParamKind::Switch},
    {0x26, u"录音EQ1", "record EQ band 1", ParamKind::Band},
    {0x27, u"录音EQ2", "record EQ band 2", ParamKind::Band},
    {0x28, u"录音EQ3", "record EQ band 3", ParamKind::Band},
    {0x40, u"话筒1-2音量", "microphone 1-2 volume", ParamKind::Level},
    {0x41, u"话筒低切", "microphone 1-2 low cut", ParamKind::Cut},
    {0x42, u"话筒高切", "microphone 1-2 high cut", ParamKind::Cut},
    {0x43, u"话筒旁通", "microphone 1-2 EQ bypass", ParamKind::Switch},
    {0x44, u"话筒EQ1", "microphone 1-2 EQ band 1", ParamKind::Band},
    {0x45, u"话筒EQ2", "microphone 1-2 EQ band 2", ParamKind::Band},
    {0x46, u"话筒EQ3", "microphone 1-2 EQ band 3", ParamKind::Band},
    {0x47, u"话筒EQ4", "microphone 1-2 EQ band 4", ParamKind::Band},
    {0x48, u"话筒EQ5", "microphone 1-2 EQ band 5", ParamKind::Band},
    {0x49, u"话筒EQ6", "microphone 1-2 EQ band 6", ParamKind::Band},
    {0x4A, u"话筒EQ7", "microphone 1-2 EQ band 7", ParamKind::Band},
    {0x4B, u"话筒EQ8", "microphone 1-2 EQ band 8", ParamKind::Band},
    {0x4C, u"话筒EQ9", "microphone 1-2 EQ band 9", ParamKind::Band},
    {0x4D, u"话筒EQ10", "microphone 1-2 EQ band 10", ParamKind::Band},
    {0x4E, u"话筒EQ11", "microphone 1-2 EQ band 11", ParamKind::Band},
    {0x4F, u"话筒EQ12", "microphone 1-2 EQ band 12", ParamKind::Band},
    {0x50, u"话筒EQ13", "microphone 1-2 EQ band 13", ParamKind::Band},
    {0x51, u"话筒EQ14", "microphone 1-2 EQ band 14", ParamKind::Band},
    {0x52, u"话筒EQ15", "microphone 1-2 EQ band 15", ParamKind::Band},
    {0x53, u"话筒3音量", "microphone 3 volume", ParamKind::Level},
    {0x54, u"话筒低切", "microphone 3 low cut", ParamKind::Cut},
    {0x55, u"话筒高切", "microphone 3 high cut", ParamKind::Cut},
    {0x56, u"话筒旁通", "microphone 3 EQ bypass", ParamKind::Switch},
    {0x57, u"话筒EQ1", "microphone 3 EQ band 1", ParamKind::Band},
    {0x58, u"话筒EQ2", "microphone 3 EQ band 2", ParamKind::Band},
    {0x59, u"话筒EQ3", "microphone 3 EQ band 3", ParamKind::Band},
    {0x5A, u"话筒EQ4", "microphone 3 EQ band 4", ParamKind::Band},
    {0x5B, u"话筒EQ5", "microphone 3 EQ band 5", ParamKind::Band},
    {0x5C, u"话筒EQ6", "microphone 3 EQ band 6", ParamKind::Band},
    {0x5D, u"话筒EQ7", "microphone 3 EQ band 7", ParamKind::Band},
    {0x80, u"回声次数", "echo repeats", ParamKind::Level},
    {0x81, u"回声延时", "echo delay", ParamKind::EchoDelay},
    {0x82, u"效果高切", "effect high cut", ParamKind::Cut},
    {0x83, u"回声音量", "echo volume", ParamKind::Level},
    {0x84, u"残响音量", "reverb volume", ParamKind::Level},
    {0x85, u"残响时间", "reverb time", ParamKind::ReverbTime},
    {0x86, u"残响延时", "reverb delay", ParamKind::Level},
    {0x87, u"效果低切", "effect low cut", ParamKind::Cut},
    {0x88, u"效果旁通", "effect EQ bypass", ParamKind::Switch},
    {0x89, u"效果EQ1", "effect EQ band 1", ParamKind::Band},
    {0x8A, u"效果EQ2", "effect EQ band 2", ParamKind::Band},
    {0x8B, u"效果EQ3", "effect EQ band 3", ParamKind::Band},
    {0xC0, u"", "master level 1", ParamKind::Level},
    {0xC1, u"", "master level 2", ParamKind::Level},
    {0xC2, u"", "master level 3", ParamKind::Level},
    {0xC3, u"", "input selection", ParamKind::Selector},
    {0xC4, u"", "start mode", ParamKind::Selector},
    {0xC5, u"", "common level 1", ParamKind::Level},
    {0xC6, u"", "common level 2", ParamKind::Level},
    {0xC7, u"", "common level 3", ParamKind::Level},
    {0xC8, u"", "common level 4", ParamKind::Level},
    {0xC9, u"", "common level 5", ParamKind::Level},
    {0xCA, u"", "common level 6", ParamKind::Level},
    {0xCB, u"", "save mode", ParamKind::Switch},
    {0xCC, u"", "panel lock", ParamKind::Switch},
    {0xCD, u"", "mode change", ParamKind::Switch},
    {0xCE, u"", "tone", ParamKind::Selector},
    {0xCF, u"", "four-way selector", ParamKind::Selector},
}};

} // namespace

std::span<const ParamInfo> ParamNames::all()
{
    return Table;
}

std::optional<ParamInfo> ParamNames::find(int address)
{
    for (const ParamInfo& info : Table) {
        if (info.address == address) {
            return info;
        }
    }
    return std::nullopt;
}
