#include "logindialog.h"
#include "pinhash.h"
#include "recordingmessagesink.h"
#include "testdatabase.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

const QString kWrongPin = QString::fromUtf8("密码错误，再试一次！");
const QString kUnknown = QString::fromUtf8("用户名不存在,请重新输入");

// The login dialog driven as an operator would: typing, tabbing, Enter.
class TestLogin : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    RecordingMessageSink m_messages;
    std::unique_ptr<LoginDialog> m_dialog;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_pin = nullptr;

    QPushButton* button(const char* name) { return m_dialog->findChild<QPushButton*>(name); }
    QString said(int i) const { return m_messages.messages.value(i).text; }

    void start(std::initializer_list<std::pair<const char*, const char*>> operators)
    {
        const QString path = m_dir.filePath(schema::kOperatorFile);
        QFile::remove(path);
        testdb::create(path, schema::operatorTable(), testdb::operators(operators));
        m_messages = {};
        m_dialog = std::make_unique<LoginDialog>(store::Location::folder(m_dir.path()), m_messages);
        m_user = m_dialog->findChild<QLineEdit*>(QStringLiteral("txtUserName"));
        m_pin = m_dialog->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
        m_dialog->show();
        QApplication::setActiveWindow(m_dialog.get());
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }

private slots:
    // The name is looked up when its box loses the focus: the first row in
    // table order that carries it exactly, else the first row, whose PIN is
    // then asked for. An empty message column: none shown.
    void logIn_data()
    {
        QTest::addColumn<QStringList>("row"); // name, PIN, "in" when accepted, message
        QTest::newRow("second operator") << QStringList{"Bob", "bob", "in", ""};
        QTest::newRow("first of two alike") << QStringList{"Admin", "1234", "in", ""};
        QTest::newRow("second of two alike") << QStringList{"Admin", "9999", "", kWrongPin};
        QTest::newRow("PIN letter case") << QStringList{"Bob", "BOB", "", kWrongPin};
        QTest::newRow("empty name, empty row") << QStringList{"", "e", "in", ""};
        QTest::newRow("name letter case") << QStringList{"admin", "1234", "in", kUnknown};
        QTest::newRow("trailing blank") << QStringList{"Bob ", "bob", "", kUnknown};
    }

    void logIn()
    {
        QFETCH(QStringList, row);
        const QString name = row[0], pin = row[1], message = row[3];
        const bool accepted = row[2] == "in";
        start({{"Admin", "1234"}, {"Bob", "bob"}, {"Admin", "9999"}, {"", "e"}});
        QTest::keyClicks(m_user, name);
        QTest::keyClick(m_user, Qt::Key_Tab);
        QTest::keyClicks(m_pin, pin);
        QTest::keyClick(m_pin, Qt::Key_Return);
        QCOMPARE(m_dialog->OK(), accepted);
        QCOMPARE(m_dialog->isVisible(), !accepted);
        QCOMPARE(said(0), message);
        if (!message.isEmpty()) {
            const auto& shown = m_messages.messages[0];
            QCOMPARE(shown.title, QString(message == kUnknown ? "输入用户出错" : "登录"));
            QCOMPARE(shown.icon, MessageSink::Icon::None);
        }
        if (!accepted)
            QVERIFY(m_pin->hasFocus() && m_pin->selectedText() == pin);
        QCOMPARE(m_user->text(), name);
    }

    // Enter in the name box runs no lookup: the PIN of the row current
    // before is asked for; moving the focus to the PIN box runs it.
    void enterBeforeTheNameBoxLostTheFocus()
    {
        start({{"Admin", "1234"}, {"Bob", "bob"}});
        QTest::keyClicks(m_user, QString(25, QLatin1Char('B')));
        QCOMPARE(m_user->text().size(), 20);
        m_user->setText(QStringLiteral("Bob"));
        QTest::keyClick(m_user, Qt::Key_Tab);
        m_user->setFocus(Qt::BacktabFocusReason);
        m_user->setText(QStringLiteral("Admin"));
        m_pin->setText(QStringLiteral("1234"));
        QTest::keyClick(m_user, Qt::Key_Return);
        QVERIFY(!m_dialog->OK());
        QCOMPARE(said(0), kWrongPin);
        QVERIFY(m_pin->hasFocus());
        QTest::keyClick(m_pin, Qt::Key_Return);
        QVERIFY(m_dialog->OK());
    }

    // The name's message waits until the press has ended, so one Esc then cancels.
    void unknownNameThenOkClickedWithTheMouse()
    {
        start({{"Admin", "1234"}});
        bool pressed = true;
        m_messages.onShow = [&](const auto&) {
            pressed = QGuiApplication::mouseButtons() != Qt::NoButton;
        };
        QTest::keyClicks(m_user, QStringLiteral("Carol"));
        QTest::mouseClick(button("cmdOK"), Qt::LeftButton);
        QTRY_COMPARE(m_messages.messages.size(), 1);
        QVERIFY(!pressed && !button("cmdOK")->isDown());
        QTest::keyClick(button("cmdOK"), Qt::Key_Escape);
        QVERIFY(!m_dialog->isVisible() && !m_dialog->OK());
    }

    // Cancel, Esc, the close box and Enter on Cancel.
    // PINs a building keeps as digests: made by an earlier release, a Chinese
    // PIN, the published PBKDF2-SHA256 vector (RFC 7914), and what is not ours.
    void storedDigests_data()
    {
        QTest::addColumn<QString>("pin");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("matches");
        const QString kept = QStringLiteral("pbkdf2-sha256$120000$AAECAwQFBgcICQoLDA0ODw==$"
                                            "UHAyHKNNva/pslNx0cD4O8r+Bz+64fInTwCm1saOmJk=");
        QTest::newRow("kept digest") << "1234" << kept << true;
        QTest::newRow("one digit off") << "1235" << kept << false;
        QTest::newRow("Chinese PIN")
            << QString::fromUtf8("门牌9")
            << QStringLiteral("pbkdf2-sha256$1000$AAECAwQFBgcICQoLDA0ODw==$"
                              "2z1K1kWPPgMDPitcQWBiAwEuuEGQEX84lygC5HRb194=")
            << true;
        QTest::newRow("published vector")
            << "passwd"
            << "pbkdf2-sha256$1$c2FsdA==$VawEblbjCJ/sFpHCJUS2BflBhSFt3gRl5oudV8INrLw=" << true;
        QTest::newRow("absurd work")
            << "passwd"
            << "pbkdf2-sha256$1300000$c2FsdA==$VawEblbjCJ/sFpHCJUS2BflBhSFt3gRl5oudV8INrLw="
            << false;
        QTest::newRow("PIN as typed") << "1234"
                                      << "1234" << false;
    }

    void storedDigests()
    {
        QFETCH(QString, pin);
        QFETCH(QString, stored);
        QFETCH(bool, matches);
        QCOMPARE(pinhash::matches(pin, stored), matches);
        if (matches)
            QCOMPARE(pinhash::proof(pin, stored.section(QLatin1Char('$'), 0, 2)),
                     stored.section(QLatin1Char('$'), 3));
        const QString fresh = pinhash::digest(pin);
        QVERIFY(pinhash::matches(pin, fresh) && !pinhash::matches(pin + u'0', fresh));
        QVERIFY(fresh != pinhash::digest(pin)); // salted
    }

    void endWithoutLogin()
    {
        for (int way : {0, 1, 2, 3}) {
            start({{"Admin", "1234"}});
            QTest::keyClicks(m_user, QStringLiteral("Admin"));
            m_pin->setText(QStringLiteral("1234"));
            if (way == 0)
                QTest::mouseClick(button("cmdCancel"), Qt::LeftButton);
            else if (way == 1)
                QTest::keyClick(m_user, Qt::Key_Escape);
            else if (way == 2)
                m_dialog->close();
            else
                QTest::keyClick(button("cmdCancel"), Qt::Key_Return);
            QVERIFY2(!m_dialog->isVisible() && !m_dialog->OK(), qPrintable(QString::number(way)));
        }
    }
};

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
