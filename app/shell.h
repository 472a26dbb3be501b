#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class LinkDialog;
class MainWindow;
class MessageSink;
class OperatorView;
class DirectoryTools;
class DoorUnitWatch;
class QLabel;
class TransferHistoryWindow;
class Pauser;
class QMdiSubWindow;
class SerialLink;
class SerialPort;
class TelNumWindow;
class UserAddDialog;
class UserChangeDialog;

// Wires the main window's menu to the subsystems once an operator is logged in.
class Shell : public QObject
{
    Q_OBJECT

public:
    // The port and pauser outlive the shell: the Connect dialog's link uses them.
    Shell(const QString& appDir, MessageSink& messages, SerialPort& port, Pauser& pauser,
          QObject* parent = nullptr);
    ~Shell() override;

    MainWindow& mainWindow() { return *m_main; }
    void show();

    // The directory window, loaded inside the main window but not shown when
    // it is not loaded yet (or was closed): a fresh view on the first row.
    TelNumWindow* loadDirectoryWindow();

    // The Connect dialog and the SerialLink it holds: loaded, not shown, on
    // the first reference from any command, and kept until its close box
    // discards both, so the open port and its lock survive the dialog's hiding.
    LinkDialog& linkDialog();
    SerialLink& serialLink();
    // The operator logged in, whom the transfer history names.
    void setOperatorName(const QString& name) { m_operatorName = name; }

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
    void showDoorUnit();

    QString m_appDir;
    MessageSink& m_messages;
    MainWindow* m_main = nullptr;
    // Add User's own operator view: opened on first use, kept to the end.
    std::unique_ptr<OperatorView> m_addUserView;
    QPointer<UserAddDialog> m_addUser;
    QPointer<UserChangeDialog> m_editUser;
    QPointer<TelNumWindow> m_telNum;
    QPointer<QMdiSubWindow> m_telNumFrame;
    SerialPort& m_port;
    Pauser& m_pauser;
    QPointer<LinkDialog> m_linkDialog;
    DirectoryTools* m_tools = nullptr;
    QString m_operatorName;
    DoorUnitWatch* m_doorUnit = nullptr;
    QLabel* m_doorUnitPanel = nullptr;
    QPointer<TransferHistoryWindow> m_history;
};
