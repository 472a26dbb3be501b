#include "captionloader.h"
#include "mainwindow.h"
#include "stringtable.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>

#include <optional>

namespace {

// Every text, tooltip and font in a window, so a run of the loader that
// changes anything shows up.
QStringList texts(QWidget* window)
{
    QStringList result;
    QObjectList all{window};
    for (QWidget* w : window->findChildren<QWidget*>())
        all << w;
    for (QAction* a : window->findChildren<QAction*>())
        all << a;
    for (QObject* o : all) {
        QStringList line{o->objectName()};
        for (const char* name : {"text", "title", "windowTitle", "toolTip"})
            line << o->property(name).toString();
        result << line.join(QLatin1Char('|')) + o->property("font").value<QFont>().toString();
    }
    return result;
}

} // namespace

class TestCaptionLoader : public QObject
{
    Q_OBJECT

private slots:
    // A null text: the number is not in the table.
    void stringTable_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        // The texts of 1000 to 1043 in order, split at '|'; 1029 ends in a blank.
        const QStringList expected =
            QString::fromUtf8("文件(&F)|新建(&N)|打开(&O)...|关闭(&C)|保存(&S)|另存为(&A)...|"
                              "全部保存(&L)|属性(&I)|页面设置(&U)...|打印预览(&V)|打印(&P)...|"
                              "发送(&D)...|退出(&X)|编辑(&E)|撤消(&U)|剪切(&T)|复制(&C)|粘贴(&P)|"
                              "选择性粘贴(&S)...|视图(&V)|工具栏(&T)|状态栏(&B)|刷新(&R)|"
                              "选项(&O)...|Web 浏览器(&W)|数据(&D)|帮助(&H)|目录(&C)|"
                              "搜索帮助主题(&S)...|关于(&A) |新建|打开|保存|打印|剪切|复制|粘贴|"
                              "登录|用户名(&U):|密码(&P):|确定|取消|tel_num|telephone")
                .split(QLatin1Char('|'));
        QCOMPARE(expected.size(), 44);
        for (int i = 0; i < 44; ++i)
            QTest::addRow("%d", 1000 + i) << 1000 + i << expected[i];
        for (int n : {-32768, 0, 20, 21, 999, 1044, 32767})
            QTest::addRow("%d", n) << n << QString();
    }

    void stringTable()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QCOMPARE(stringtable::loadString(number),
                 text.isNull() ? std::nullopt : std::optional<QString>(text));
    }

    // -1 stands for no number.
    void conversions_data()
    {
        QTest::addColumn<bool>("leading");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("2.5 to even") << false << "2.5" << 2;
        QTest::newRow("3.5 to even") << false << "3.5" << 4;
        QTest::newRow("-32768.5") << false << "-32768.5" << -32768;
        QTest::newRow("32767.5 rounds to 32768") << false << "32767.5" << -1;
        QTest::newRow("whole 1040abc") << false << "1040abc" << -1;
        QTest::newRow("whole empty") << false << "" << -1;
        QTest::newRow("whole abc") << false << "abc" << -1;
        QTest::newRow("leading 1040abc") << true << "1040abc" << 1040;
        QTest::newRow("leading blanks") << true << "  12" << 12;
        QTest::newRow("leading empty") << true << "" << 0;
        QTest::newRow("leading abc") << true << "abc" << 0;
    }

    void conversions()
    {
        QFETCH(bool, leading);
        QFETCH(QString, text);
        QFETCH(int, expected);
        const std::optional<int> result =
            leading ? stringtable::leadingNumber(text) : stringtable::wholeNumber(text);
        QCOMPARE(result, expected == -1 ? std::nullopt : std::optional<int>(expected));
    }

    void kindsOfControl()
    {
        QDialog window;
        window.setWindowTitle("Window");
        window.setProperty("tag", QString());
        auto* layout = new QVBoxLayout(&window);
        auto add = [&]<typename W>(W* w, const char* tag) {
            w->setProperty("tag", QString::fromLatin1(tag));
            layout->addWidget(w);
            return w;
        };
        QLabel* login = add(new QLabel("L1"), "1037");
        QLabel* unknown = add(new QLabel("L2"), "1099");
        QLabel* leading = add(new QLabel("L3"), "1040abc");
        // Every control gets the window's font, set on the window or not.
        leading->setFont(QFont("Liberation Sans", 20));
        QPushButton* ok = add(new QPushButton("OK"), "1040abc");
        QPushButton* zero = add(new QPushButton("Zero"), "0");
        QPushButton* negative = add(new QPushButton("Neg"), "-5");

        auto* tabs = new QTabBar;
        layout->addWidget(tabs);
        tabs->addTab("First");
        tabs->addTab("Second");
        tabs->setTabData(0, "not a number");
        tabs->setTabToolTip(0, "1030");
        tabs->setTabData(1, "1031");

        auto* bar = new QMenuBar(&window);
        layout->setMenuBar(bar);
        QMenu* file = bar->addMenu("File");
        QAction* exit = file->addAction("1012");
        QAction* plain = file->addAction("Exit");

        LoadFormCaptions(&window);

        QCOMPARE(QStringList({window.windowTitle(), login->text(), unknown->text(), leading->text(),
                              ok->text(), zero->text(), negative->text(), tabs->tabText(0),
                              tabs->tabToolTip(0), tabs->tabText(1), exit->text(), plain->text()}),
                 QStringList({"Window", "登录", "L2", "L3", "确定", "Zero", "Neg", "First", "新建",
                              "打开", "退出(&X)", "Exit"}));
        QCOMPARE(leading->font(), window.font());
    }

    // Its items carry words and its controls no tags, so loading changes nothing.
    void mainWindowUnchanged()
    {
        MainWindow window;
        const QStringList before = texts(&window);
        LoadFormCaptions(&window);
        QCOMPARE(texts(&window), before);
        QCOMPARE(window.menuAction("mnuExit")->text(), QStringLiteral("Exit"));
    }
};

QTEST_MAIN(TestCaptionLoader)
#include "tst_captionloader.moc"
