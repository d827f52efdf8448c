#pragma once

#include "SettingDifferences.h"

#include <QStringList>

// Settings that differ, one line each as the window names them: "mode 2, 0x40 话筒1-2音量: the
// processor has 80, sent 90" (modes counted from 1 as the window shows them; the common settings
// as "common").
namespace DifferenceLines {

// otherLabel: what the second value is ("sent", "here").
QStringList lines(const QList<SettingDifference>& differences, const QString& otherLabel);

} // namespace DifferenceLines
