#include "MessageBoxMessages.h"

#include "WindowTitle.h"

#include <QMessageBox>

void MessageBoxMessages::showMessage(Icon icon, const QString& text)
{
    const QMessageBox::Icon boxIcon = icon == Icon::Critical      ? QMessageBox::Critical
                                      : icon == Icon::Information ? QMessageBox::Information
                                                                  : QMessageBox::Warning;
    QMessageBox box(boxIcon, WindowTitle, text, QMessageBox::Ok, m_owner);
    box.exec();
}
