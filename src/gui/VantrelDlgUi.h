// How the main window runs a call on the user-interface thread: directly when already there; else
// queued in order (calls that only set something) or waited for (calls that return something).
#pragma once

#include "CVantrelDlg.h"

#include <QThread>

template <typename F> inline void CVantrelDlg::RunOnUi(F&& call) {
    if (QThread::currentThread() == thread())
        call();
    else
        QMetaObject::invokeMethod(this, std::forward<F>(call), Qt::QueuedConnection);
}

template <typename R, typename F> inline R CVantrelDlg::CallOnUi(F&& call) {
    if (QThread::currentThread() == thread())
        return call();
    R result{};
    QMetaObject::invokeMethod(this, [&] { result = call(); }, Qt::BlockingQueuedConnection);
    return result;
}

