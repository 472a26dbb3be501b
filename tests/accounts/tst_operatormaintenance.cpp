#include "logingate.h"
#include "mainwindow.h"
#include "operatorview.h"
#include "posixserialport.h"
#include "recordingmessagesink.h"
#include "shell.h"
#include "testdatabase.h"
#include "uipauser.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Rows = QList<QStringList>;

// Add User and Edit User driven from the main window's menu, on real
// operator files, checked in the table and through a fresh login.
class TestOperatorMaintenance : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingMessageSink m_messages;
    PosixSerialPort m_port;
    UiPauser m_pauser;
    std::unique_ptr<Shell> m_shell;

    QString path() const { return m_dir->filePath(schema::kOperatorFile); }
    Rows table() const { return testdb::rows(path(), schema::operatorTable()); }

    void start(const QList<QVariantList>& operators)
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        testdb::create(path(), schema::operatorTable(), operators);
        m_messages.messages.clear();
        m_shell = std::make_unique<Shell>(m_dir->path(), m_messages, m_port, m_pauser);
    }

    void choose(const char* item) { m_shell->mainWindow().menuAction(item)->trigger(); }

    // The one open dialog of that name; a closed one waits for deletion, so let it go first.
    QDialog* dialog(const char* name)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<QDialog*> open;
        for (QDialog* d : m_shell->mainWindow().findChildren<QDialog*>(QString::fromLatin1(name)))
            open << (d->isVisible() ? QList<QDialog*>{d} : QList<QDialog*>{});
        return open.size() == 1 ? open.first() : nullptr;
    }

    static QLineEdit* box(QDialog* d, const QString& n) { return d->findChild<QLineEdit*>(n); }
    static void click(QDialog* d, const QString& n) { d->findChild<QPushButton*>(n)->click(); }
    static void retype(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    static QStringList shown(QDialog* d)
    {
        return {box(d, "txtUserName")->text(), box(d, "txtPassword")->text()};
    }

    // What a later login would find: the row the name picks, and whether the PIN passes.
    bool logsIn(const QString& name, const QString& pin)
    {
        OperatorView view;
        LoginGate gate(view);
        return view.openIn(m_dir->path()) && gate.lookUp(name) && gate.acceptsPin(pin);
    }

    QDialog* addUser(const QString& name, const QString& pin)
    {
        choose("mnuAddUser");
        QDialog* d = dialog("frmUserADD");
        if (d) {
            QTest::keyClicks(box(d, "txtUserName"), name);
            QTest::keyClicks(box(d, "txtPassword"), pin);
        }
        return d;
    }

    QDialog* editUser()
    {
        choose("mnuEU");
        return dialog("frmLogchg");
    }

private slots:
    void cleanup()
    {
        m_shell.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Return adds the row even with an existing name, but the first one in table
    // order still decides at login; with both boxes empty an empty login works.
    // Cancel and the close box leave the table as before.
    void addUserOrCancel_data()
    {
        QTest::addColumn<QStringList>("typed"); // name, PIN, how the dialog ends
        QTest::newRow("existing name") << QStringList{"admin", "9999", "Return"};
        QTest::newRow("empty boxes") << QStringList{"", "", "Return"};
        QTest::newRow("Cancel") << QStringList{"carol", "3333", "Cancel"};
        QTest::newRow("close box") << QStringList{"carol", "3333", "close box"};
    }

    void addUserOrCancel()
    {
        QFETCH(QStringList, typed);
        const QString name = typed[0], pin = typed[1], how = typed[2];
        start(testdb::operators({{"admin", "1111"}}));
        QDialog* d = addUser(name, pin);
        QVERIFY(d);
        if (how == "Cancel")
            click(d, "cmdCancel");
        else if (how == "close box")
            d->close();
        else
            QTest::keyClick(box(d, "txtPassword"), Qt::Key_Return);
        QVERIFY(!dialog("frmUserADD"));
        const bool added = how == "Return";
        QCOMPARE(table(),
                 added ? Rows({{"admin", "1111"}, {name, pin}}) : Rows({{"admin", "1111"}}));
        QCOMPARE(logsIn(name, pin), added && name != "admin");
        QVERIFY(logsIn("admin", "1111"));
        QVERIFY(m_messages.messages.isEmpty());
    }

    void addUserTwiceWhileOpen()
    {
        start(testdb::operators({{"admin", "1111"}}));
        QDialog* first = addUser("carol", "3333");
        QVERIFY(first);
        choose("mnuAddUser");
        QCOMPARE(dialog("frmUserADD"), first);
        QCOMPARE(shown(first), QStringList({"carol", "3333"}));
        click(first, "cmdOK");
        QCOMPARE(table(), Rows({{"admin", "1111"}, {"carol", "3333"}}));
    }

    void editUserCycles_data()
    {
        QTest::addColumn<QList<QVariantList>>("operators");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("one") << testdb::operators({{"admin", "1"}})
                             << QStringList({"admin", "admin", "admin"});
        QTest::newRow("three") << testdb::operators({{"a", "1"}, {"b", "2"}, {"c", "3"}})
                               << QStringList({"a", "b", "c", "a", "b"});
    }

    void editUserCycles()
    {
        QFETCH(QList<QVariantList>, operators);
        QFETCH(QStringList, names);
        start(operators);
        QDialog* d = editUser();
        QVERIFY(d);
        QStringList seen{box(d, "txtUserName")->text()};
        for (int i = 1; i < names.size(); ++i) {
            // Enter presses Next.
            QTest::keyClick(box(d, "txtUserName"), Qt::Key_Return);
            seen << box(d, "txtUserName")->text();
        }
        QCOMPARE(seen, names);
        QCOMPARE(table().size(), operators.size());
    }

    void deleteLastThenDeleteAgainThenNext()
    {
        start(testdb::operators({{"a", "1"}, {"b", "2"}, {"c", "3"}}));
        QDialog* d = editUser();
        click(d, "cmdNext");
        click(d, "cmdNext");
        QCOMPARE(shown(d), QStringList({"c", "3"}));
        click(d, "cmdDelete");
        QCOMPARE(shown(d), QStringList({"", ""}));
        QCOMPARE(table(), Rows({{"a", "1"}, {"b", "2"}}));
        click(d, "cmdDelete");
        QCOMPARE(table(), Rows({{"a", "1"}, {"b", "2"}}));
        click(d, "cmdNext");
        QCOMPARE(shown(d), QStringList({"a", "1"}));
        QVERIFY(m_messages.messages.isEmpty());
    }

    // Next saves a changed PIN: the old one is refused at the next login and the
    // new one accepted. Change does not save it, the close box does.
    void pinChange()
    {
        start(testdb::operators({{"admin", "1111"}, {"bob", "2222"}}));
        QDialog* d = editUser();
        retype(box(d, "txtPassword"), "4321");
        QCOMPARE(table(), Rows({{"admin", "1111"}, {"bob", "2222"}}));
        click(d, "cmdNext");
        QCOMPARE(table(), Rows({{"admin", "4321"}, {"bob", "2222"}}));
        QVERIFY(!logsIn("admin", "1111"));
        QVERIFY(logsIn("admin", "4321"));

        retype(box(d, "txtPassword"), "5555");
        click(d, "Command1");
        QCOMPARE(dialog("frmLogchg"), d);
        QCOMPARE(shown(d), QStringList({"bob", "5555"}));
        QVERIFY(logsIn("bob", "2222"));
        d->close();
        QVERIFY(!dialog("frmLogchg"));
        QCOMPARE(table(), Rows({{"admin", "4321"}, {"bob", "5555"}}));
        QVERIFY(logsIn("bob", "5555"));
    }

    void overlongRefused_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::addColumn<QString>("field");
        QTest::newRow("Add User, name") << false << "txtUserName";
        QTest::newRow("Add User, PIN") << false << "txtPassword";
        QTest::newRow("Edit User, name") << true << "txtUserName";
        QTest::newRow("Edit User, PIN") << true << "txtPassword";
    }

    void overlongRefused()
    {
        QFETCH(bool, edit);
        QFETCH(QString, field);
        start(testdb::operators({{"admin", "1111"}}));
        const QString overlong(21, 'z');
        QDialog* d = edit ? editUser() : addUser("carol", "3333");
        QVERIFY(d);
        retype(box(d, field), overlong);
        click(d, edit ? "cmdNext" : "cmdOK");
        QCOMPARE(m_messages.messages.size(), 1);
        const auto& message = m_messages.messages.first();
        QCOMPARE(message.title, QStringLiteral("Quorvane"));
        QCOMPARE(message.icon, MessageSink::Icon::Exclamation);
        QVERIFY2(message.text.contains("at most 20"), qPrintable(message.text));
        // The PIN is masked in its box and stays so in the message.
        QVERIFY(!(field == "txtPassword" && message.text.contains(overlong)));
        QCOMPARE(dialog(edit ? "frmLogchg" : "frmUserADD"), d);
        QCOMPARE(box(d, field)->text(), overlong);
        QCOMPARE(table(), Rows({{"admin", "1111"}}));
    }

    // Exit ends the program without the dialog's close step: the unsaved
    // change is lost. Kept last: the main window's close asks the event loop to end.
    void exitDiscardsUnsavedChange()
    {
        start(testdb::operators({{"admin", "1111"}}));
        QDialog* d = editUser();
        retype(box(d, "txtPassword"), "7777");
        m_shell->mainWindow().menuAction("mnuExit")->trigger();
        QVERIFY(!m_shell->mainWindow().isVisible());
        m_shell.reset();
        QCOMPARE(table(), Rows({{"admin", "1111"}}));
        QVERIFY(m_messages.messages.isEmpty());
    }
};

QTEST_MAIN(TestOperatorMaintenance)
#include "tst_operatormaintenance.moc"
