#include "captionloader.h"
#include "stringtable.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>

#include <optional>

using Number = std::optional<int>;

class TestCaptionLoader : public QObject
{
    Q_OBJECT

private slots:
    // The table's edges; a null text: the number is not in the table.
    void stringTable_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("999") << 999 << QString();
        QTest::newRow("1000") << 1000 << QString::fromUtf8("文件(&F)");
        QTest::newRow("1029 ends in a blank") << 1029 << QString::fromUtf8("关于(&A) ");
        QTest::newRow("1043") << 1043 << QStringLiteral("telephone");
        QTest::newRow("1044") << 1044 << QString();
    }

    void stringTable()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        const auto loaded = stringtable::loadString(number);
        QCOMPARE(loaded.value_or(QString()), text);
        QCOMPARE(loaded.has_value(), !text.isNull());
    }

    // A missing value: no number.
    void conversions_data()
    {
        QTest::addColumn<bool>("leading");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Number>("expected");
        QTest::newRow("2.5 to even") << false << "2.5" << Number(2);
        QTest::newRow("-32768.5") << false << "-32768.5" << Number(-32768);
        QTest::newRow("32767.5 rounds to 32768") << false << "32767.5" << Number();
        QTest::newRow("whole 1040abc") << false << "1040abc" << Number();
        QTest::newRow("leading 1040abc") << true << "1040abc" << Number(1040);
        QTest::newRow("leading blanks") << true << "  12" << Number(12);
        QTest::newRow("leading abc") << true << "abc" << Number(0);
    }

    void conversions()
    {
        QFETCH(bool, leading);
        QFETCH(QString, text);
        QFETCH(Number, expected);
        QCOMPARE(leading ? stringtable::leadingNumber(text) : stringtable::wholeNumber(text),
                 expected);
    }

    // Where each kind of control holds its number, and which numbers count;
    // every control gets the window's font, set on the window or not.
    void kindsOfControl()
    {
        QDialog window;
        window.setWindowTitle("Window");
        auto* layout = new QVBoxLayout(&window);
        QList<QWidget*> tagged;
        for (const auto& [text, tag] : {std::pair{"L1", "1037"},
                                        {"L2", "1099"},
                                        {"L3", "1040abc"},
                                        {"OK", "1040abc"},
                                        {"Zero", "0"},
                                        {"Neg", "-5"}}) {
            QWidget* w =
                tagged.size() < 3 ? static_cast<QWidget*>(new QLabel(text)) : new QPushButton(text);
            w->setProperty("tag", QString::fromLatin1(tag));
            layout->addWidget(w);
            tagged << w;
        }
        tagged[2]->setFont(QFont("Liberation Sans", 20));
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

        QStringList texts{window.windowTitle()};
        for (QWidget* w : tagged)
            texts << w->property("text").toString();
        texts << tabs->tabText(0) << tabs->tabToolTip(0) << tabs->tabText(1) << exit->text()
              << plain->text();
        QCOMPARE(texts, QStringList({"Window", "登录", "L2", "L3", "确定", "Zero", "Neg", "First",
                                     "新建", "打开", "退出(&X)", "Exit"}));
        QCOMPARE(tagged[2]->font(), window.font());
    }
};

QTEST_MAIN(TestCaptionLoader)
#include "tst_captionloader.moc"
