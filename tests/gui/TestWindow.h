// The main window as the GUI tests start it: in a folder of the test's, without splash, its message
// boxes answered by the test, start-up finished.
#pragma once

#include "CVantrelDlg.h"

#include <QClipboard>
#include <QGuiApplication>

#include <memory>

inline std::unique_ptr<CVantrelDlg> StartTestWindow(const QString& folder,
                                                    std::function<MessageAnswer(const QString&)> answer,
                                                    const QString& clipboard = QString()) {
    QGuiApplication::clipboard()->setText(clipboard);
    CVantrelDlg::Options options;
    options.programDir = folder;
    options.documentsDir = folder + QStringLiteral("/docs");
    options.showSplash = false;
    options.answerMessage = std::move(answer);
    auto window = std::make_unique<CVantrelDlg>(options);
    window->Initialise();
    window->JoinStartupThread();
    return window;
}
