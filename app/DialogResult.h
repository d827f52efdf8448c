#pragma once

#include <QDialog>
#include <coroutine>

// co_await DialogResult(dialog) opens the dialog window-modal over its parent (QDialog::open, the
// event loop keeps running) and resumes once it has finished, with its result code.
//
// The coroutine goes on from inside the dialog's finished signal, so the dialog must not be
// deleted right there (Qt::WA_DeleteOnClose deletes it later). A dialog destroyed without
// finishing would leave the coroutine waiting for ever: closing the main window rejects every
// dialog it has open before anything is taken down.
class DialogResult
{
public:
    explicit DialogResult(QDialog* dialog)
        : m_dialog(dialog)
    {}

    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> waiting)
    {
        m_finished =
            QObject::connect(m_dialog, &QDialog::finished, m_dialog, [this, waiting](int result) {
                QObject::disconnect(m_finished);
                m_result = result;
                waiting.resume();
            });
        m_dialog->open();
    }
    int await_resume() const noexcept { return m_result; }

private:
    QDialog* m_dialog;
    QMetaObject::Connection m_finished;
    int m_result = QDialog::Rejected;
};
