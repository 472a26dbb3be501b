#pragma once

#include "mainwindow.h"
#include "posixserialport.h"
#include "program.h"
#include "recordingmessagesink.h"
#include "shell.h"
#include "uipauser.h"

#include <QAction>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <memory>

// The program as it runs once an operator is logged in, on files in a folder
// of its own: the program's objects, the shell with its main window, a port
// that is not opened and pauses that let the window work. Put the files in
// dir, then start().
struct ShellRig
{
    QTemporaryDir dir;
    RecordingMessageSink messages;
    PosixSerialPort port;
    UiPauser pauser;
    std::unique_ptr<Program> program;
    std::unique_ptr<Shell> shell;

    Shell& start()
    {
        program = std::make_unique<Program>(store::Location::folder(dir.path()), port, pauser);
        shell = std::make_unique<Shell>(*program, messages);
        return *shell;
    }
    MainWindow& window() { return shell->mainWindow(); }
    void choose(const char* item) { window().menuAction(QString::fromLatin1(item))->trigger(); }

    // The one visible window of that class and name inside the main window,
    // or null; closed ones are deleted first.
    template <typename T> T* shown(const char* name)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        T* found = nullptr;
        for (T* w : window().findChildren<T*>(QString::fromLatin1(name))) {
            if (w->isVisible()) {
                if (found)
                    return nullptr;
                found = w;
            }
        }
        return found;
    }
};
