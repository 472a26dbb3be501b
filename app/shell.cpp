#include "shell.h"

#include "mainwindow.h"
#include "messagesink.h"

Shell::Shell(const QString& appDir, MessageSink& messages, QObject* parent)
    : QObject(parent), m_appDir(appDir), m_messages(messages), m_main(new MainWindow)
{
    connect(m_main, &MainWindow::newRequested, this, &Shell::onNew);
    connect(m_main, &MainWindow::downloadRequested, this, &Shell::onDownload);
    connect(m_main, &MainWindow::connectRequested, this, &Shell::onConnect);
    connect(m_main, &MainWindow::addUserRequested, this, &Shell::onAddUser);
    connect(m_main, &MainWindow::editUserRequested, this, &Shell::onEditUser);
    connect(m_main, &MainWindow::loadDefaultRequested, this, &Shell::onLoadDefault);
}

Shell::~Shell()
{
    delete m_main;
}

void Shell::show()
{
    m_main->show();
}

void Shell::onNew() {}

void Shell::onDownload() {}

void Shell::onConnect() {}

void Shell::onAddUser() {}

void Shell::onEditUser() {}

void Shell::onLoadDefault() {}
