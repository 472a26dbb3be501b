#include "logingate.h"
#include "mainwindow.h"
#include "operatorview.h"
#include "recordingmessagesink.h"
#include "shell.h"
#include "testdatabase.h"
#include "twips.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
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
    std::unique_ptr<Shell> m_shell;

    QString path() const { return m_dir->filePath(schema::kOperatorFile); }
    Rows table() const { return testdb::rows(path(), schema::operatorTable()); }

    void start(const QList<QVariantList>& operators)
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        testdb::create(path(), schema::operatorTable(), operators);
        m_messages.messages.clear();
        m_shell = std::make_unique<Shell>(m_dir->path(), m_messages);
    }

    void choose(const char* item)
    {
        m_shell->mainWindow().menuAction(QString::fromLatin1(item))->trigger();
    }

    // The open dialog of that name; a closed one waits for deletion, so let it go first.
    QDialog* dialog(const char* name)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDialog* found = nullptr;
        for (QDialog* d : m_shell->mainWindow().findChildren<QDialog*>(QString::fromLatin1(name))) {
            if (d->isVisible()) {
                if (found)
                    qWarning("two %s dialogs are open", name);
                found = d;
            }
        }
        return found;
    }

    static QLineEdit* box(QDialog* d, const char* name)
    {
        return d->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    static QPushButton* button(QDialog* d, const char* name)
    {
        return d->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    static void retype(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    // The controls Tab visits, from the name box round to it again.
    static QStringList tabOrder(QDialog* d)
    {
        QStringList order;
        QWidget* start = box(d, "txtUserName");
        QWidget* w = start;
        do {
            if (w->focusPolicy() & Qt::TabFocus)
                order << w->objectName();
            w = w->nextInFocusChain();
        } while (w != start && order.size() < 20);
        return order;
    }
    static QStringList shown(QDialog* d)
    {
        return {box(d, "txtUserName")->text(), box(d, "txtPassword")->text()};
    }

    // What a later login would find: the row the name picks, and whether the PIN passes.
    bool logsIn(const QString& name, const QString& pin)
    {
        OperatorView view;
        if (!view.openIn(m_dir->path()))
            return false;
        LoginGate gate(view);
        return gate.lookUp(name) && gate.acceptsPin(pin);
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

private slots:
    void cleanup()
    {
        m_shell.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void addUserLayout()
    {
        start(testdb::operators({{"admin", "1111"}}));
        choose("mnuAddUser");
        QDialog* d = dialog("frmUserADD");
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("User ADD"));
        QCOMPARE(d->size(), twips::size(4110, 1800));
        QVERIFY(!d->isModal());
        QVERIFY(
            !(d->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(d->windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(box(d, "txtUserName")->geometry(), twips::rect(1440, 135, 2325, 345));
        QCOMPARE(box(d, "txtPassword")->geometry(), twips::rect(1440, 525, 2325, 345));
        QCOMPARE(box(d, "txtPassword")->echoMode(), QLineEdit::Password);
        QVERIFY(box(d, "txtPassword")->styleSheet().contains("lineedit-password-character: 42"));
        QVERIFY(box(d, "txtUserName")->text().isEmpty());
        QCOMPARE(button(d, "cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(button(d, "cmdOK")->geometry(), twips::rect(480, 1200, 1140, 390));
        QVERIFY(button(d, "cmdOK")->isDefault());
        QCOMPARE(button(d, "cmdCancel")->text(), QStringLiteral("Cancel"));
        QCOMPARE(button(d, "cmdCancel")->geometry(), twips::rect(1920, 1200, 1140, 390));
        QStringList labels;
        for (QLabel* l : d->findChildren<QLabel*>())
            labels << l->text() + "->" + (l->buddy() ? l->buddy()->objectName() : QString());
        labels.sort();
        QCOMPARE(labels, QStringList({"New Client(&U):->txtUserName", "PIN(&P):->txtPassword"}));
        QCOMPARE(tabOrder(d), QStringList({"txtUserName", "txtPassword", "cmdOK", "cmdCancel"}));
        // The main window stays usable while it is open.
        QVERIFY(m_shell->mainWindow().menuAction("mnuEU")->isEnabled());
    }

    // A second row with an existing name: the first one in table order still decides.
    void addUserWithExistingName()
    {
        start(testdb::operators({{"admin", "1111"}, {"bob", "2222"}}));
        QDialog* d = addUser("admin", "9999");
        QVERIFY(d);
        QTest::keyClick(box(d, "txtPassword"), Qt::Key_Return);
        QVERIFY(!dialog("frmUserADD"));
        QCOMPARE(table(), Rows({{"admin", "1111"}, {"bob", "2222"}, {"admin", "9999"}}));
        QVERIFY(logsIn("admin", "1111"));
        QVERIFY(!logsIn("admin", "9999"));
        QVERIFY(m_messages.messages.isEmpty());
    }

    void addUserWithEmptyBoxes()
    {
        start(testdb::operators({{"admin", "1111"}}));
        QDialog* d = addUser({}, {});
        QVERIFY(d);
        button(d, "cmdOK")->click();
        QCOMPARE(table(), Rows({{"admin", "1111"}, {"", ""}}));
        QVERIFY(logsIn({}, {}));
    }

    void cancelLeavesTableAsBefore_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "button";
        QTest::newRow("Esc") << "escape";
        QTest::newRow("close box") << "close";
    }

    void cancelLeavesTableAsBefore()
    {
        QFETCH(QString, how);
        start(testdb::operators({{"admin", "1111"}, {"bob", "2222"}}));
        const Rows before = table();
        QDialog* d = addUser("carol", "3333");
        QVERIFY(d);
        if (how == "button")
            button(d, "cmdCancel")->click();
        else if (how == "escape")
            QTest::keyClick(box(d, "txtUserName"), Qt::Key_Escape);
        else
            d->close();
        QVERIFY(!dialog("frmUserADD"));
        QCOMPARE(table(), before);

        // The kept view goes on working: the next Add User appends one row.
        QDialog* again = addUser("dave", "4444");
        QVERIFY(again);
        QVERIFY(box(again, "txtUserName")->text() == "dave");
        button(again, "cmdOK")->click();
        QCOMPARE(table(), before + Rows({{"dave", "4444"}}));
    }

    void addUserTwiceWhileOpen()
    {
        start(testdb::operators({{"admin", "1111"}}));
        QDialog* first = addUser("carol", "3333");
        QVERIFY(first);
        choose("mnuAddUser");
        QCOMPARE(dialog("frmUserADD"), first);
        QCOMPARE(box(first, "txtUserName")->text(), QStringLiteral("carol"));
        button(first, "cmdOK")->click();
        QCOMPARE(table(), Rows({{"admin", "1111"}, {"carol", "3333"}}));
        QDialog* second = addUser("dave", "4444");
        QVERIFY(second);
        button(second, "cmdOK")->click();
        QCOMPARE(table(), Rows({{"admin", "1111"}, {"carol", "3333"}, {"dave", "4444"}}));
    }

    // Edit User may delete every operator; Add User then still appends, on a
    // view opened before and on one opened afterwards.
    void addUserOnEmptyTable()
    {
        start(testdb::operators({{"admin", "1111"}}));
        QDialog* d = addUser("x", "y");
        button(d, "cmdCancel")->click();
        choose("mnuEU");
        QDialog* edit = dialog("frmLogchg");
        QVERIFY(edit);
        button(edit, "cmdDelete")->click();
        QCOMPARE(table(), Rows());
        d = addUser("again", "1");
        QVERIFY(d);
        button(d, "cmdOK")->click();
        QCOMPARE(table(), Rows({{"again", "1"}}));
        QVERIFY(logsIn("again", "1"));

        start({});
        d = addUser("first", "2");
        QVERIFY(d);
        button(d, "cmdOK")->click();
        QCOMPARE(table(), Rows({{"first", "2"}}));
        QVERIFY(m_messages.messages.isEmpty());
    }

    void addUserOverlongRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pin");
        QTest::newRow("name of 21") << QString(21, 'n') << "1234";
        QTest::newRow("PIN of 21") << "carol" << QString(21, '7');
    }

    void addUserOverlongRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, pin);
        start(testdb::operators({{"admin", "1111"}}));
        QDialog* d = addUser(name, pin);
        QVERIFY(d);
        button(d, "cmdOK")->click();
        QCOMPARE(m_messages.messages.size(), 1);
        const auto& message = m_messages.messages.first();
        QCOMPARE(message.title, QStringLiteral("Quorvane"));
        QCOMPARE(message.icon, MessageSink::Icon::Exclamation);
        QVERIFY2(message.text.contains("not added") && message.text.contains("at most 20"),
                 qPrintable(message.text));
        // The PIN is masked in its box and stays so in the message.
        QVERIFY(!message.text.contains(pin));
        QCOMPARE(dialog("frmUserADD"), d);
        QCOMPARE(shown(d), QStringList({name, pin}));
        QCOMPARE(table(), Rows({{"admin", "1111"}}));

        // Shortened to 20, it is added.
        retype(box(d, "txtUserName"), name.left(20));
        retype(box(d, "txtPassword"), pin.left(20));
        button(d, "cmdOK")->click();
        QVERIFY(!dialog("frmUserADD"));
        QCOMPARE(table(), Rows({{"admin", "1111"}, {name.left(20), pin.left(20)}}));
        QVERIFY(logsIn(name.left(20), pin.left(20)));
    }

    void editUserLayout()
    {
        start(testdb::operators({{"admin", "1111"}}));
        choose("mnuEU");
        QDialog* d = dialog("frmLogchg");
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("User Change"));
        QCOMPARE(d->size(), twips::size(3990, 1545));
        QVERIFY(!d->isModal());
        QVERIFY(d->findChild<OperatorView*>("Data1"));
        QCOMPARE(box(d, "txtUserName")->geometry(), twips::rect(1560, 135, 2325, 345));
        QCOMPARE(box(d, "txtPassword")->geometry(), twips::rect(1560, 525, 2325, 345));
        QCOMPARE(box(d, "txtPassword")->echoMode(), QLineEdit::Password);
        QCOMPARE(button(d, "cmdNext")->geometry(), twips::rect(120, 1020, 1140, 390));
        QVERIFY(button(d, "cmdNext")->isDefault());
        QCOMPARE(button(d, "cmdDelete")->text(), QStringLiteral("Delete"));
        QCOMPARE(button(d, "cmdDelete")->geometry(), twips::rect(1440, 1020, 1140, 390));
        QCOMPARE(button(d, "Command1")->text(), QStringLiteral("Change"));
        QCOMPARE(button(d, "Command1")->geometry(), twips::rect(2760, 1019, 1140, 390));
        QStringList labels;
        for (QLabel* l : d->findChildren<QLabel*>())
            labels << l->text() + "->" + (l->buddy() ? l->buddy()->objectName() : QString());
        labels.sort();
        QCOMPARE(labels, QStringList({"PIN(&P):->txtPassword", "User Name(&U):->txtUserName"}));
        QCOMPARE(tabOrder(d),
                 QStringList({"txtUserName", "txtPassword", "cmdNext", "cmdDelete", "Command1"}));
        QCOMPARE(shown(d), QStringList({"admin", "1111"}));
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
        choose("mnuEU");
        QDialog* d = dialog("frmLogchg");
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
        choose("mnuEU");
        QDialog* d = dialog("frmLogchg");
        button(d, "cmdNext")->click();
        button(d, "cmdNext")->click();
        QCOMPARE(shown(d), QStringList({"c", "3"}));
        button(d, "cmdDelete")->click();
        QCOMPARE(shown(d), QStringList({"", ""}));
        QCOMPARE(table(), Rows({{"a", "1"}, {"b", "2"}}));
        button(d, "cmdDelete")->click();
        QCOMPARE(table(), Rows({{"a", "1"}, {"b", "2"}}));
        button(d, "cmdNext")->click();
        QCOMPARE(shown(d), QStringList({"a", "1"}));
        // Deleting a row in the middle shows the one after it.
        button(d, "cmdDelete")->click();
        QCOMPARE(shown(d), QStringList({"b", "2"}));
        QCOMPARE(table(), Rows({{"b", "2"}}));
        QVERIFY(m_messages.messages.isEmpty());
    }

    void emptyTableIsHarmless()
    {
        start(testdb::operators({{"a", "1"}}));
        choose("mnuEU");
        QDialog* d = dialog("frmLogchg");
        button(d, "cmdDelete")->click();
        QCOMPARE(table(), Rows());
        for (const char* name : {"cmdNext", "cmdDelete", "Command1", "cmdNext"}) {
            button(d, name)->click();
            QCOMPARE(shown(d), QStringList({"", ""}));
        }
        d->close();
        QVERIFY(!dialog("frmLogchg"));

        choose("mnuEU");
        d = dialog("frmLogchg");
        QVERIFY(d);
        QCOMPARE(shown(d), QStringList({"", ""}));
        retype(box(d, "txtUserName"), "ghost");
        button(d, "cmdNext")->click();
        d->close();
        QCOMPARE(table(), Rows());
        QVERIFY(m_messages.messages.isEmpty());
    }

    void typingAtEndThenNextIsDiscarded()
    {
        start(testdb::operators({{"a", "1"}, {"b", "2"}}));
        choose("mnuEU");
        QDialog* d = dialog("frmLogchg");
        button(d, "cmdNext")->click();
        button(d, "cmdDelete")->click();
        retype(box(d, "txtUserName"), "typed");
        retype(box(d, "txtPassword"), "9");
        button(d, "cmdNext")->click();
        QCOMPARE(shown(d), QStringList({"a", "1"}));
        d->close();
        QCOMPARE(table(), Rows({{"a", "1"}}));
    }

    // The old PIN is refused at the next login and the new one accepted.
    void pinChangedByNext()
    {
        start(testdb::operators({{"admin", "1111"}, {"bob", "2222"}}));
        choose("mnuEU");
        QDialog* d = dialog("frmLogchg");
        retype(box(d, "txtPassword"), "4321");
        QCOMPARE(table(), Rows({{"admin", "1111"}, {"bob", "2222"}}));
        button(d, "cmdNext")->click();
        QCOMPARE(table(), Rows({{"admin", "4321"}, {"bob", "2222"}}));
        QVERIFY(!logsIn("admin", "1111"));
        QVERIFY(logsIn("admin", "4321"));
    }

    void pinNotSavedByChangeButSavedByCloseBox()
    {
        start(testdb::operators({{"admin", "1111"}, {"bob", "2222"}}));
        choose("mnuEU");
        QDialog* d = dialog("frmLogchg");
        button(d, "cmdNext")->click();
        retype(box(d, "txtPassword"), "5555");
        button(d, "Command1")->click();
        QTest::keyClick(box(d, "txtPassword"), Qt::Key_Escape);
        QCOMPARE(dialog("frmLogchg"), d);
        QCOMPARE(shown(d), QStringList({"bob", "5555"}));
        QCOMPARE(table(), Rows({{"admin", "1111"}, {"bob", "2222"}}));
        QVERIFY(logsIn("bob", "2222"));

        d->close();
        QVERIFY(!dialog("frmLogchg"));
        QCOMPARE(table(), Rows({{"admin", "1111"}, {"bob", "5555"}}));
        QVERIFY(logsIn("bob", "5555"));
    }

    void overlongRefusedByNextAndCloseBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("name") << "txtUserName";
        QTest::newRow("PIN") << "txtPassword";
    }

    void overlongRefusedByNextAndCloseBox()
    {
        QFETCH(QString, box);
        start(testdb::operators({{"admin", "1111"}, {"bob", "2222"}}));
        choose("mnuEU");
        QDialog* d = dialog("frmLogchg");
        QLineEdit* edit = d->findChild<QLineEdit*>(box);
        const QString overlong(21, 'z');
        retype(edit, overlong);
        button(d, "cmdNext")->click();
        QCOMPARE(m_messages.messages.size(), 1);
        QCOMPARE(m_messages.messages.first().title, QStringLiteral("Quorvane"));
        QCOMPARE(m_messages.messages.first().icon, MessageSink::Icon::Exclamation);
        const QString text = m_messages.messages.first().text;
        QVERIFY2(text.contains(box == "txtUserName" ? "The name" : "The PIN") &&
                     text.contains("has 21 characters") && text.contains("at most 20"),
                 qPrintable(text));
        QCOMPARE(text.contains(overlong), box == "txtUserName");
        QCOMPARE(edit->text(), overlong);
        QCOMPARE(d->findChild<OperatorView*>("Data1")->currentIndex(), 0);

        d->close();
        QCOMPARE(m_messages.messages.size(), 2);
        QCOMPARE(dialog("frmLogchg"), d);
        QCOMPARE(edit->text(), overlong);
        QCOMPARE(table(), Rows({{"admin", "1111"}, {"bob", "2222"}}));

        retype(edit, QString(20, 'z'));
        button(d, "cmdNext")->click();
        QCOMPARE(shown(d), QStringList({"bob", "2222"}));
        QCOMPARE(m_messages.messages.size(), 2);
        QCOMPARE(table().first().contains(QString(20, 'z')), true);
    }

    // Each opening starts on the first row; choosing Edit User again brings
    // the open dialog forward, back on the first row.
    void editUserReopensOnFirstRow()
    {
        start(testdb::operators({{"a", "1"}, {"b", "2"}}));
        choose("mnuEU");
        QDialog* d = dialog("frmLogchg");
        button(d, "cmdNext")->click();
        retype(box(d, "txtUserName"), "b2");
        choose("mnuEU");
        QCOMPARE(dialog("frmLogchg"), d);
        QCOMPARE(shown(d), QStringList({"a", "1"}));
        QCOMPARE(table(), Rows({{"a", "1"}, {"b2", "2"}}));
        button(d, "cmdNext")->click();
        d->close();
        choose("mnuEU");
        QDialog* again = dialog("frmLogchg");
        QVERIFY(again);
        QCOMPARE(shown(again), QStringList({"a", "1"}));
    }

    void missingFileGivesClearMessage()
    {
        start(testdb::operators({{"a", "1"}}));
        QVERIFY(QFile::remove(path()));
        choose("mnuEU");
        choose("mnuAddUser");
        QVERIFY(!dialog("frmLogchg"));
        QVERIFY(!dialog("frmUserADD"));
        QCOMPARE(m_messages.messages.size(), 2);
        for (const auto& message : m_messages.messages) {
            QVERIFY2(message.text.contains(schema::kOperatorFile), qPrintable(message.text));
            QCOMPARE(message.icon, MessageSink::Icon::Critical);
        }
    }

    // Exit ends the program without the dialog's close step: the unsaved
    // change is lost. Kept last: the main window's close asks the event loop to end.
    void exitDiscardsUnsavedChange()
    {
        start(testdb::operators({{"admin", "1111"}}));
        choose("mnuEU");
        QDialog* d = dialog("frmLogchg");
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
