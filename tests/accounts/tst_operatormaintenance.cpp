#include "databasesetup.h"
#include "dbtool.h"
#include "language.h"
#include "logingate.h"
#include "operatorview.h"
#include "shellrig.h"
#include "testdatabase.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using Rows = QList<QStringList>;

// Add User and Edit User driven from the main window's menu, on real
// operator files, checked in the table and through a fresh login.
class TestOperatorMaintenance : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ShellRig> m_rig;

    QString path() const { return m_rig->dir.filePath(schema::kOperatorFile); }
    Rows table() const { return testdb::rows(path(), schema::operatorTable()); }
    QList<RecordingMessageSink::Message>& said() { return m_rig->messages.messages; }

    void start(const QList<QVariantList>& operators = testdb::operators({{"admin", "1111"}}))
    {
        m_rig = std::make_unique<ShellRig>();
        testdb::create(path(), schema::operatorTable(), operators);
        m_rig->start();
    }

    // The dialog the menu item shows, or the one open of that name.
    QDialog* choose(const char* item, const char* name)
    {
        if (item)
            m_rig->choose(item);
        return m_rig->shown<QDialog>(name);
    }
    QDialog* editUser() { return choose("mnuEU", "frmLogchg"); }

    static QLineEdit* box(QDialog* d, const char* n) { return d->findChild<QLineEdit*>(n); }
    static void click(QDialog* d, const char* n) { d->findChild<QPushButton*>(n)->click(); }
    static void type(QDialog* d, const QString& name, const QString& pin)
    {
        for (const auto& [field, text] : {std::pair{"txtUserName", name}, {"txtPassword", pin}}) {
            box(d, field)->setFocus();
            box(d, field)->selectAll();
            box(d, field)->insert(text);
        }
    }
    static QStringList shown(QDialog* d)
    {
        return {box(d, "txtUserName")->text(), box(d, "txtPassword")->text()};
    }

    // What a later login would find: the row the name picks, and whether the PIN passes.
    bool logsIn(const QString& name, const QString& pin)
    {
        OperatorView view(store::Location::folder(m_rig->dir.path()));
        LoginGate gate(view);
        return view.openIn() && gate.lookUp(name) && gate.acceptsPin(pin);
    }

private slots:
    void cleanup() { m_rig.reset(); }

    // Return adds the row even with an existing name, but the first one in table
    // order still decides at login; with both boxes empty an empty login works.
    // Cancel and the close box leave the table as before.
    void addUser_data()
    {
        QTest::addColumn<QStringList>("typed"); // name, PIN, how the dialog ends
        QTest::newRow("existing name") << QStringList{"admin", "9999", "Return"};
        QTest::newRow("empty boxes") << QStringList{"", "", "Return"};
        QTest::newRow("Cancel") << QStringList{"carol", "3333", "Cancel"};
        QTest::newRow("close box") << QStringList{"carol", "3333", "close box"};
    }

    void addUser()
    {
        QFETCH(QStringList, typed);
        const QString name = typed[0], pin = typed[1], how = typed[2];
        start();
        QDialog* d = choose("mnuAddUser", "frmUserADD");
        QTest::keyClicks(box(d, "txtUserName"), name);
        QTest::keyClicks(box(d, "txtPassword"), pin);
        // Chosen again while open: the same dialog, no second new row.
        QCOMPARE(choose("mnuAddUser", "frmUserADD"), d);
        if (how == "Cancel")
            click(d, "cmdCancel");
        else if (how == "close box")
            d->close();
        else
            QTest::keyClick(box(d, "txtPassword"), Qt::Key_Return);
        QVERIFY(!choose(nullptr, "frmUserADD"));
        const bool added = how == "Return";
        QCOMPARE(table(),
                 added ? Rows({{"admin", "1111"}, {name, pin}}) : Rows({{"admin", "1111"}}));
        QCOMPARE(logsIn(name, pin), added && name != "admin");
        QVERIFY(logsIn("admin", "1111") && said().isEmpty());
    }

    // Enter presses Next; the operators are shown in a cycle; Delete on the
    // last one leaves the boxes empty, and again does nothing.
    void editUserWalksAndDeletes()
    {
        start(testdb::operators({{"a", "1"}, {"b", "2"}, {"c", "3"}}));
        QDialog* d = editUser();
        QStringList seen = shown(d);
        // R: Enter, N: Next, D: Delete.
        for (const char key : QByteArray("RRRNNDDNDN")) {
            if (key == 'R')
                QTest::keyClick(box(d, "txtUserName"), Qt::Key_Return);
            else
                click(d, key == 'N' ? "cmdNext" : "cmdDelete");
            seen << shown(d);
        }
        QCOMPARE(seen.join('/'), QStringLiteral("a/1/b/2/c/3/a/1/b/2/c/3/////a/1/b/2/b/2"));
        QCOMPARE(table(), Rows({{"b", "2"}}));
        QVERIFY(said().isEmpty());
    }

    // Each operator change is in the operator file's change record as the
    // logged-in operator's, naming the operator; a PIN never is.
    void operatorChangesAreRecordedWithoutThePin_data()
    {
        QTest::addColumn<QStringList>("typed"); // name and PIN typed, then the button
        QTest::addColumn<QStringList>("entry"); // what, subject, before, after
        const QString admin = QStringLiteral("user \"admin\"");
        QTest::newRow("added") << QStringList{"carol", "3333", "cmdOK"}
                               << QStringList{"operator added", "carol", "<NULL>",
                                              "user \"carol\""};
        QTest::newRow("renamed") << QStringList{"root", "1111", "cmdNext"}
                                 << QStringList{"operator renamed", "root", admin, "user \"root\""};
        QTest::newRow("new PIN") << QStringList{"admin", "4321", "cmdNext"}
                                 << QStringList{"operator given a new PIN", "admin", admin, admin};
        QTest::newRow("both") << QStringList{"root", "4321", "cmdNext"}
                              << QStringList{"operator renamed and given a new PIN", "root", admin,
                                             "user \"root\""};
        QTest::newRow("deleted") << QStringList{"", "", "cmdDelete"}
                                 << QStringList{"operator deleted", "admin", admin, "<NULL>"};
    }
    void operatorChangesAreRecordedWithoutThePin()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, entry);
        start();
        m_rig->program->setOperatorName("admin");
        const bool adding = typed[2] == "cmdOK";
        QDialog* d = adding ? choose("mnuAddUser", "frmUserADD") : editUser();
        if (!typed[0].isEmpty())
            type(d, typed[0], typed[1]);
        click(d, typed[2].toLatin1().constData());
        const auto entries = testdb::rows(path(), testdb::changeRecord());
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].mid(0, 4), entry);
        QCOMPARE(entries[0][4], QStringLiteral("admin"));
        for (const QString& value : entries[0])
            QVERIFY2(!value.contains("1111") && !value.contains("4321") && !value.contains("3333"),
                     qPrintable(value));
    }

    // Next saves a changed PIN: the old one is refused at the next login and the
    // new one accepted. Change does not save it, the close box does.
    void pinChange()
    {
        start(testdb::operators({{"admin", "1111"}, {"bob", "2222"}}));
        QDialog* d = editUser();
        type(d, "admin", "4321");
        click(d, "cmdNext");
        QVERIFY(!logsIn("admin", "1111") && logsIn("admin", "4321"));
        type(d, "bob", "5555");
        click(d, "Command1");
        QCOMPARE(choose(nullptr, "frmLogchg"), d);
        QCOMPARE(shown(d), QStringList({"bob", "5555"}));
        QVERIFY(logsIn("bob", "2222"));
        d->close();
        QVERIFY(!choose(nullptr, "frmLogchg"));
        QCOMPARE(table(), Rows({{"admin", "4321"}, {"bob", "5555"}}));

        // A name stored longer than the box takes, in a table of the old
        // system's, still gets a new PIN: only what was typed is judged.
        m_rig = std::make_unique<ShellRig>();
        testdb::exec(path(), "CREATE TABLE user_pin (user TEXT, password TEXT)");
        testdb::exec(path(), "INSERT INTO user_pin VALUES ('an-operator-of-old-days', '1111')");
        m_rig->start();
        d = editUser();
        box(d, "txtPassword")->setFocus();
        box(d, "txtPassword")->selectAll();
        box(d, "txtPassword")->insert("2468");
        click(d, "cmdNext");
        QCOMPARE(said().size(), 0);
        QCOMPARE(table(), Rows({{"an-operator-of-old-days", "2468"}}));
    }

    // One rule for names and PINs, wherever they come from: Add User, Edit
    // User, the companion, the new table's constraint (where SQLite can say
    // it) and the companion's check of what is stored. Empty problem: taken.
    void operatorRule_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("pin");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<bool>("constrained");
        const QByteArray emoji("\xF0\x9F\x98\x80");
        QTest::newRow("20 and 20") << QByteArray(20, 'z') << QByteArray(20, '9') << "" << false;
        QTest::newRow("10 emoji") << emoji.repeated(10) << QByteArray("1") << "" << false;
        QTest::newRow("21 letters")
            << QByteArray(21, 'z') << QByteArray("1") << "is 21 characters long" << true;
        QTest::newRow("11 emoji") << emoji.repeated(11) << QByteArray("1")
                                  << "is 22 characters long" << false;
        QTest::newRow("PIN of 21") << QByteArray("carol") << QByteArray(21, '9')
                                   << "The PIN is 21 characters long" << true;
        QTest::newRow("line break") << QByteArray("ca\nrol") << QByteArray("1")
                                    << "The name holds a control character (U+000A)" << true;
        QTest::newRow("tab in PIN") << QByteArray("carol") << QByteArray("1\t2")
                                    << "The PIN holds a control character (U+0009)" << true;
        QTest::newRow("C1 control") << QByteArray("ca\xC2\x85rol") << QByteArray("1")
                                    << "control character (U+0085)" << true;
        QTest::newRow("invalid UTF-8") << QByteArray("caf\xE9") << QByteArray("1")
                                       << "The name is not valid UTF-8 text." << false;
    }

    void operatorRule()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, pin);
        QFETCH(QString, problem);
        QFETCH(bool, constrained);
        const QString n = QString::fromUtf8(name), p = QString::fromUtf8(pin);
        const bool taken = problem.isEmpty();
        const Rows before{{"admin", "1111"}}, added{{"admin", "1111"}, {n, p}};
        auto refused = [&](const QString& text) {
            return text.contains(problem) && !text.contains(QString(21, u'9'));
        };
        for (bool edit : {false, true}) {
            start();
            QDialog* d = edit ? editUser() : choose("mnuAddUser", "frmUserADD");
            type(d, n, p);
            click(d, edit ? "cmdNext" : "cmdOK");
            QCOMPARE(table(), taken ? (edit ? Rows({{n, p}}) : added) : before);
            QCOMPARE(said().size(), taken ? 0 : 1);
            if (taken)
                continue;
            QVERIFY2(refused(said()[0].text), qPrintable(said()[0].text));
            if (!edit)
                continue;
            // Edit User's way out of a refused change: a second close discards it.
            d->close();
            QCOMPARE(choose(nullptr, "frmLogchg"), d);
            QVERIFY(said().last().text.contains("close it again to discard"));
            d->close();
            QVERIFY(!choose(nullptr, "frmLogchg"));
            QCOMPARE(table(), before);
        }
        start();
        QString text;
        QTextStream in(&text), out(&text);
        dbtool::Console console{in, out, out, false, {}};
        QCOMPARE(dbtool::run({"add-operator", m_rig->dir.path(), "--operator", n, "--pin", p},
                             console, dbtool::writeRoomListPdf),
                 taken ? 0 : 1);
        QCOMPARE(table(), taken ? added : before);
        QVERIFY2(refused(text) || taken, qPrintable(text));

        // The table refuses what SQLite can tell; check lists what another program stored anyway.
        start();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "rule");
            db.setDatabaseName(path());
            QVERIFY(db.open());
            QSqlQuery query(db);
            for (const char* pragma : {"OFF", "ON"}) {
                query.exec(QStringLiteral("PRAGMA ignore_check_constraints = ") + pragma);
                query.prepare("INSERT INTO user_pin (user, password) VALUES (CAST(? AS TEXT), ?)");
                query.addBindValue(name);
                query.addBindValue(p);
                QCOMPARE(query.exec(), !constrained || pragma == QByteArray("ON"));
            }
        }
        QSqlDatabase::removeDatabase("rule");
        text.clear();
        dbtool::run({"check", m_rig->dir.path()}, console, dbtool::writeRoomListPdf);
        QCOMPARE(text.contains("user_pin row 2: "), !taken);
        QVERIFY2(refused(text) || taken, qPrintable(text));
    }

    // Exit ends the program without the dialog's close step: the unsaved
    // change is lost. Kept last: the main window's close asks the event loop to end.
    void refusalsInTheOperatorsLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("taken");
        QTest::addColumn<QString>("differ");
        QTest::newRow("en") << "en"
                            << "An operator named \"carol\" already exists, and only"
                            << "The two PINs differ; please type them again.";
        QTest::newRow("zh_CN") << "zh_CN"
                               << "已有名为“carol”的操作员，同名的操作员只有第一个能登录"
                               << "两次输入的 PIN 不一致，请重新输入。";
    }

    void refusalsInTheOperatorsLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, taken);
        QFETCH(QString, differ);
        QVERIFY(!language::install(code).isEmpty());
        const QString name = databasesetup::checkName("carol", {"carol"}).description();
        const QString pins = databasesetup::checkPinAgain("1", "2").description();
        language::uninstall();
        QVERIFY2(name.startsWith(taken), qPrintable(name));
        QCOMPARE(pins, differ);
    }

    void exitDiscardsUnsavedChange()
    {
        start();
        type(editUser(), "admin", "7777");
        m_rig->window().menuAction("mnuExit")->trigger();
        QVERIFY(!m_rig->window().isVisible());
        m_rig->shell.reset();
        QCOMPARE(table(), Rows({{"admin", "1111"}}));
        QVERIFY(said().isEmpty());
    }
};

QTEST_MAIN(TestOperatorMaintenance)
#include "tst_operatormaintenance.moc"
