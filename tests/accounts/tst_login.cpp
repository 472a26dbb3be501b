#include "logindialog.h"
#include "recordingmessagesink.h"
#include "testdatabase.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// The login dialog driven as an operator would: typing, tabbing, Enter.
class TestLogin : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    void makeOperators(const QList<QVariantList>& rows)
    {
        const QString path = m_dir.filePath(schema::kOperatorFile);
        QFile::remove(path);
        testdb::create(path, schema::operatorTable(), rows);
    }

    struct Session
    {
        RecordingMessageSink messages;
        std::unique_ptr<LoginDialog> dialog;
        QLineEdit* user = nullptr;
        QLineEdit* password = nullptr;
    };

    std::unique_ptr<Session> start()
    {
        auto s = std::make_unique<Session>();
        s->dialog = std::make_unique<LoginDialog>(m_dir.path(), s->messages);
        s->user = s->dialog->findChild<QLineEdit*>(QStringLiteral("txtUserName"));
        s->password = s->dialog->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
        s->dialog->show();
        QApplication::setActiveWindow(s->dialog.get());
        if (!QTest::qWaitForWindowActive(s->dialog.get()))
            qWarning("login dialog did not become active");
        return s;
    }

    // Types a name, tabs to the PIN box (the lookup runs), types the PIN and presses Enter.
    void logIn(Session& s, const QString& name, const QString& pin)
    {
        s.user->setFocus();
        QTest::keyClicks(s.user, name);
        QTest::keyClick(s.user, Qt::Key_Tab);
        QTest::keyClicks(s.password, pin);
        QTest::keyClick(s.password, Qt::Key_Return);
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void layout()
    {
        makeOperators(testdb::operators({{"Admin", "1234"}}));
        auto s = start();
        QCOMPARE(s->dialog->windowTitle(), QStringLiteral("User log in"));
        QCOMPARE(s->dialog->size(), QSize(250, 98));
        QCOMPARE(s->dialog->objectName(), QStringLiteral("frmLogin"));
        QCOMPARE(s->user->maxLength(), 20);
        QCOMPARE(s->password->maxLength(), 20);
        QCOMPARE(s->password->echoMode(), QLineEdit::Password);
        QVERIFY(s->dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->isDefault());
        QVERIFY(s->user->hasFocus());
        QTest::keyClick(s->user, Qt::Key_Tab);
        QVERIFY(s->password->hasFocus());
        QTest::keyClick(s->password, Qt::Key_Tab);
        QVERIFY(s->dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(s->dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->hasFocus());
        s->user->setFocus();
        QVERIFY(!s->dialog->findChild<QLineEdit*>(QStringLiteral("data_seek_txt"))->isVisible());
        QCOMPARE(s->dialog->findChild<QLineEdit*>(QStringLiteral("data_seek_txt"))->text(),
                 QStringLiteral("Admin"));
        QTest::keyClicks(s->user, QString(25, QLatin1Char('a')));
        QCOMPARE(s->user->text().size(), 20);
    }

    void acceptsTheRightPin_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pin");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("second operator") << "Bob"
                                         << "bob" << true;
        QTest::newRow("first of two alike decides") << "Admin"
                                                    << "1234" << true;
        QTest::newRow("second of two alike refused") << "Admin"
                                                     << "9999" << false;
        QTest::newRow("wrong pin") << "Bob"
                                   << "1234" << false;
        QTest::newRow("pin case matters") << "Bob"
                                          << "BOB" << false;
        QTest::newRow("empty name finds the empty row") << ""
                                                        << "e" << true;
    }

    void acceptsTheRightPin()
    {
        QFETCH(QString, name);
        QFETCH(QString, pin);
        QFETCH(bool, accepted);
        makeOperators(
            testdb::operators({{"Admin", "1234"}, {"Bob", "bob"}, {"Admin", "9999"}, {"", "e"}}));
        auto s = start();
        logIn(*s, name, pin);
        QCOMPARE(s->dialog->OK(), accepted);
        QCOMPARE(s->dialog->isVisible(), !accepted);
        if (!accepted) {
            QCOMPARE(s->messages.messages.size(), 1);
            QCOMPARE(s->messages.messages[0].text, QStringLiteral("密码错误，再试一次！"));
            QCOMPARE(s->messages.messages[0].title, QStringLiteral("登录"));
            QCOMPARE(s->messages.messages[0].icon, MessageSink::Icon::None);
            QVERIFY(s->password->hasFocus());
            QCOMPARE(s->password->selectedText(), pin);
        } else {
            QVERIFY(s->messages.messages.isEmpty());
        }
    }

    void unknownNameLeavesTheFirstRowCurrent_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("other letter case") << "admin";
        QTest::newRow("trailing blank") << "Bob ";
        QTest::newRow("nobody") << "Carol";
    }

    void unknownNameLeavesTheFirstRowCurrent()
    {
        QFETCH(QString, name);
        makeOperators(testdb::operators({{"Admin", "1234"}, {"Bob", "bob"}}));
        auto s = start();
        logIn(*s, name, QStringLiteral("1234"));
        QCOMPARE(s->messages.messages.size(), 1);
        QCOMPARE(s->messages.messages[0].text, QStringLiteral("用户名不存在,请重新输入"));
        QCOMPARE(s->messages.messages[0].title, QStringLiteral("输入用户出错"));
        QCOMPARE(s->messages.messages[0].icon, MessageSink::Icon::None);
        QCOMPARE(s->user->text(), name);
        // The PIN is compared with the first row's, which the lookup left current.
        QVERIFY(s->dialog->OK());
    }

    // The message waits until the press has ended, so one Esc then cancels.
    void unknownNameThenOkClickedWithTheMouse()
    {
        makeOperators(testdb::operators({{"Admin", "1234"}}));
        auto s = start();
        bool pressed = true;
        s->messages.onShow = [&](const auto&) {
            pressed = QGuiApplication::mouseButtons() != Qt::NoButton;
        };
        QTest::keyClicks(s->user, QStringLiteral("Carol"));
        auto* ok = s->dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QTRY_COMPARE(s->messages.messages.size(), 1);
        QVERIFY(!pressed);
        QVERIFY(!ok->isDown());
        QTest::keyClick(ok, Qt::Key_Escape);
        QVERIFY(!s->dialog->isVisible());
        QVERIFY(!s->dialog->OK());
    }

    void enterBeforeTheNameBoxLostTheFocus()
    {
        makeOperators(testdb::operators({{"Admin", "1234"}, {"Bob", "bob"}}));
        auto s = start();
        // Tab on, then back: the lookup for Bob has run and Bob is current.
        QTest::keyClicks(s->user, QStringLiteral("Bob"));
        QTest::keyClick(s->user, Qt::Key_Tab);
        QTest::keyClicks(s->password, QStringLiteral("1234"));
        s->user->setFocus(Qt::BacktabFocusReason);
        s->user->clear();
        QTest::keyClicks(s->user, QStringLiteral("Admin"));
        // Enter in the name box: no lookup, so Bob's PIN is asked for.
        QTest::keyClick(s->user, Qt::Key_Return);
        QVERIFY(!s->dialog->OK());
        QCOMPARE(s->messages.messages.last().text, QStringLiteral("密码错误，再试一次！"));
        // Putting the focus in the PIN box took it from the name box, so the
        // lookup for Admin ran then.
        QVERIFY(s->password->hasFocus());
        QCOMPARE(s->dialog->findChild<QLineEdit*>(QStringLiteral("data_seek_txt"))->text(),
                 QStringLiteral("Admin"));
        s->password->setText(QStringLiteral("1234"));
        QTest::keyClick(s->password, Qt::Key_Return);
        QVERIFY(s->dialog->OK());
    }

    void cancelEscAndCloseBoxEndWithoutLogin_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("close box") << 2;
        QTest::newRow("Enter on Cancel") << 3;
    }

    void cancelEscAndCloseBoxEndWithoutLogin()
    {
        QFETCH(int, way);
        makeOperators(testdb::operators({{"Admin", "1234"}}));
        auto s = start();
        QTest::keyClicks(s->user, QStringLiteral("Admin"));
        if (way == 0)
            QTest::mouseClick(s->dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel")),
                              Qt::LeftButton);
        else if (way == 1)
            QTest::keyClick(s->user, Qt::Key_Escape);
        else if (way == 2)
            s->dialog->close();
        else
            QTest::keyClick(s->dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel")),
                            Qt::Key_Return);
        QVERIFY(!s->dialog->isVisible());
        QVERIFY(!s->dialog->OK());
    }
};

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
