#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class LinkDialog;
class MainWindow;
class MessageSink;
class DirectoryTools;
class Program;
class QLabel;
class TransferHistoryWindow;
class QMdiSubWindow;
class SerialLink;
class TelNumWindow;
class UserAddDialog;
class UserChangeDialog;

// Wires the main window's menu to the program's objects and the windows that
// show them, once an operator is logged in.
class Shell : public QObject
{
    Q_OBJECT

public:
    // The program outlives the shell.
    Shell(Program& program, MessageSink& messages, QObject* parent = nullptr);
    ~Shell() override;

    MainWindow& mainWindow() { return *m_main; }
    void show();

    // The directory window, loaded inside the main window but not shown when
    // it is not loaded yet (or was closed): a fresh view on the first row.
    TelNumWindow* loadDirectoryWindow();

    // The Connect dialog on the program's link: loaded, not shown, on the
    // first reference from any command, and kept until its close box
    // discards it, so the open port and its lock survive the dialog's hiding.
    // A fresh dialog comes with a fresh link.
    LinkDialog& linkDialog();
    SerialLink& serialLink();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onNew();
    void onDownload();
    void onConnect();
    void onAddUser();
    void onEditUser();
    void onLoadDefault();
    void onTransferHistory();
    void onDownloadAll();
    void showDoorUnit();

    Program& m_program;
    MessageSink& m_messages;
    MainWindow* m_main = nullptr;
    QPointer<UserAddDialog> m_addUser;
    QPointer<UserChangeDialog> m_editUser;
    QPointer<TelNumWindow> m_telNum;
    QPointer<QMdiSubWindow> m_telNumFrame;
    QPointer<LinkDialog> m_linkDialog;
    DirectoryTools* m_tools = nullptr;
    QLabel* m_doorUnitPanel = nullptr;
    QPointer<TransferHistoryWindow> m_history;
};
