#include "TerminalPort.h"

#include "session/ControlIds.h"

#include <QTextStream>

#include <cstdlib>
#include <unistd.h>

TerminalPort::TerminalPort(const QString& address, const QString& savePath) : m_terminal(isatty(STDERR_FILENO)) {
    m_texts[ctl::AddressBox] = address;
    m_texts[ctl::SavePathBox] = savePath;
}

void TerminalPort::SetControlText(int id, const QString& text) {
    const std::lock_guard<std::mutex> lock(m_lock);
    m_texts[id] = text;
    if (id != ctl::StatusLine && id != ctl::ProgressLine)
        return;
    QTextStream err(stderr);
    if (id == ctl::ProgressLine && m_terminal) {
        err << "\r\x1b[K" << text; // one line, rewritten in place
        m_lineOpen = !text.isEmpty();
        err.flush();
        return;
    }
    if (text.isEmpty())
        return;
    if (m_lineOpen)
        err << '\n';
    m_lineOpen = false;
    err << text << '\n';
}

QString TerminalPort::ControlText(int id) {
    const std::lock_guard<std::mutex> lock(m_lock);
    return m_texts.value(id);
}

MessageAnswer TerminalPort::MessageBox(const QString& text, const QString&, MessageButtons buttons) {
    const std::lock_guard<std::mutex> lock(m_lock);
    QTextStream err(stderr);
    if (m_lineOpen)
        err << '\n';
    m_lineOpen = false;
    err << "message: " << text << '\n';
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

QList<int> TerminalPort::SelectedAlbums() {
    const std::lock_guard<std::mutex> lock(m_lock);
    return m_selection;
}

void TerminalPort::SetSelection(const QList<int>& albums) {
    const std::lock_guard<std::mutex> lock(m_lock);
    m_selection = albums;
}

void TerminalPort::FinishLine() {
    const std::lock_guard<std::mutex> lock(m_lock);
    if (m_lineOpen)
        QTextStream(stderr) << '\n';
    m_lineOpen = false;
}

void TerminalPort::EndProgram(int exitCode) {
    FinishLine();
    std::_Exit(exitCode);
}
