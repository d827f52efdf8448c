#pragma once

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

// Answers modal dialogs from inside the event loop that runs them: each step acts once, on the
// next modal dialog of its type that opens. A dialog still open after its step, or one that no
// step expects, is closed as Escape would close it, so a failing step cannot hang the test.
// Every modal dialog seen is recorded by class name.
class ModalScript
{
public:
    ModalScript()
    {
        m_poll.setInterval(2);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { look(); });
        m_poll.start();
    }

    template <class Dialog>
    void then(std::function<void(Dialog&)> act)
    {
        m_steps.append([act](QWidget* modal) {
            auto* dialog = qobject_cast<Dialog*>(modal);
            if (dialog) {
                act(*dialog);
            }
            return dialog != nullptr;
        });
    }

    const QStringList& opened() const { return m_opened; }
    bool finished() const { return m_steps.isEmpty(); }

private:
    void look()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == m_last) {
            return;
        }
        m_last = modal;
        m_opened.append(QString::fromLatin1(modal->metaObject()->className()));
        if (!m_steps.isEmpty() && m_steps.first()(modal)) {
            m_steps.removeFirst();
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible()) {
            dialog->reject();
        }
    }

    QTimer m_poll;
    QPointer<QWidget> m_last;
    QStringList m_opened;
    QList<std::function<bool(QWidget*)>> m_steps;
};
