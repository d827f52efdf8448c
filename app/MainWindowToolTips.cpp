#include "MainWindowToolTips.h"

#include "MainWindowControls.h"
#include "SimpControl.h"

#include <QCoreApplication>

namespace MainWindowToolTips {

void apply(const MainWindowControls& c)
{
    const std::initializer_list<std::pair<SimpControl*, const char*>> tips{
        {c.importButton,
         QT_TRANSLATE_NOOP("MainWindowToolTips", "导入预设文件（*.PA），并上传到处理器")},
        {c.saveButton, QT_TRANSLATE_NOOP("MainWindowToolTips", "保存为预设文件（*.PA）")},
        {c.uploadButton, QT_TRANSLATE_NOOP("MainWindowToolTips", "上传全部参数到处理器")},
        {c.undoButton, QT_TRANSLATE_NOOP("MainWindowToolTips", "撤销")},
        {c.redoButton, QT_TRANSLATE_NOOP("MainWindowToolTips", "重做")},
        {c.lockButton, QT_TRANSLATE_NOOP("MainWindowToolTips", "锁定 / 解锁处理器面板")},
        {c.closeButton, QT_TRANSLATE_NOOP("MainWindowToolTips", "关闭")},
        {c.modeUp, QT_TRANSLATE_NOOP("MainWindowToolTips", "模式：上一个")},
        {c.modeDown, QT_TRANSLATE_NOOP("MainWindowToolTips", "模式：下一个")},
        {c.inputArrows[0], QT_TRANSLATE_NOOP("MainWindowToolTips", "输入：上一个")},
        {c.inputArrows[1], QT_TRANSLATE_NOOP("MainWindowToolTips", "输入：下一个")},
        {c.startModeArrows[0], QT_TRANSLATE_NOOP("MainWindowToolTips", "开机模式：上一个")},
        {c.startModeArrows[1], QT_TRANSLATE_NOOP("MainWindowToolTips", "开机模式：下一个")},
        {c.fourWayUp, QT_TRANSLATE_NOOP("MainWindowToolTips", "FBX：上一档")},
        {c.fourWayDown, QT_TRANSLATE_NOOP("MainWindowToolTips", "FBX：下一档")},
        {c.previousBand, QT_TRANSLATE_NOOP("MainWindowToolTips", "上一个频段")},
        {c.nextBand, QT_TRANSLATE_NOOP("MainWindowToolTips", "下一个频段")},
        {c.bypassButton, QT_TRANSLATE_NOOP("MainWindowToolTips", "均衡开关（关：旁通）")},
        {c.groupResetButton,
         QT_TRANSLATE_NOOP("MainWindowToolTips", "复位：当前均衡组恢复出厂频段")},
    };
    for (const auto& [control, tip] : tips) {
        control->setToolTip(QCoreApplication::translate("MainWindowToolTips", tip));
    }
    c.graph->setToolTip(QCoreApplication::translate(
        "MainWindowToolTips", "拖动标记：改变频率和增益（按住 Shift 微调，速度为十分之一）\n"
                              "单击所选标记的旁边或上下：向单击处走一步\n"
                              "方向键、滚轮：改变所选频段（滚轮一格 0.2 dB）\n"
                              "Alt + 滚轮（在标记上）：改变该频段的 Q\n"
                              "鼠标停在标记上：显示频率 / 增益 / Q"));
}

QString lamp(bool online, bool deviceOpen, USB_Comm::Unavailable reason)
{
    if (online) {
        return QCoreApplication::translate("MainWindowToolTips", "联机");
    }
    if (deviceOpen) {
        return QCoreApplication::translate("MainWindowToolTips", "脱机：处理器没有应答");
    }
    if (reason == USB_Comm::Unavailable::NotPermitted) {
        return QCoreApplication::translate("MainWindowToolTips",
                                           "脱机：没有权限打开处理器。请按 README 安装 udev 规则，"
                                           "然后重新插拔处理器。");
    }
    return QCoreApplication::translate("MainWindowToolTips", "脱机：未找到处理器");
}

} // namespace MainWindowToolTips
