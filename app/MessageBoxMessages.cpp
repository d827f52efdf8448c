#include "MessageBoxMessages.h"

#include "WindowTitle.h"

#include <QApplication>
#include <QMessageBox>

void MessageBoxMessages::showMessage(Icon icon, const QString& text, Dismissed dismissed)
{
    const QMessageBox::Icon boxIcon = icon == Icon::Critical      ? QMessageBox::Critical
                                      : icon == Icon::Information ? QMessageBox::Information
                                                                  : QMessageBox::Warning;
    // Over the dialog that asked, when one is open (the password dialog's refusals).
    QWidget* modal = QApplication::activeModalWidget();
    auto* box =
        new QMessageBox(boxIcon, WindowTitle, text, QMessageBox::Ok, modal ? modal : m_owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (dismissed) {
        QObject::connect(box, &QDialog::finished, box, [dismissed] { dismissed(); });
    }
    m_boxes.removeAll(nullptr);
    m_boxes.append(box);
    box->open();
}

void MessageBoxMessages::withdrawMessage(const QString& text)
{
    for (QMessageBox* box : openBoxes()) {
        if (box->text() == text) {
            box->accept();
        }
    }
}

QList<QMessageBox*> MessageBoxMessages::openBoxes() const
{
    QList<QMessageBox*> open;
    for (const QPointer<QMessageBox>& box : m_boxes) {
        if (box && box->isVisible()) {
            open.append(box);
        }
    }
    return open;
}
