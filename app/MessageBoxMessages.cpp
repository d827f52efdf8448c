#include "MessageBoxMessages.h"

#include "WindowTitle.h"

#include <QApplication>
#include <QMessageBox>

void MessageBoxMessages::showMessage(Icon icon, const QString& text)
{
    const QMessageBox::Icon boxIcon = icon == Icon::Critical      ? QMessageBox::Critical
                                      : icon == Icon::Information ? QMessageBox::Information
                                                                  : QMessageBox::Warning;
    // Over the dialog that asked, when one is open (the password dialog's refusals).
    QWidget* modal = QApplication::activeModalWidget();
    QMessageBox box(boxIcon, WindowTitle, text, QMessageBox::Ok, modal ? modal : m_owner);
    box.exec();
}
