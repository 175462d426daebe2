#include "core/menu/menu_record.h"
#include "gui/dialogs/control_factory.h"
#include "gui/dialogs/data_exchange.h"
#include "support/recording_presenter.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

using namespace rosmossel;

namespace {

// A dialog with three bound fields, as a set-up dialog binds them.
struct ThreeFields {
    QDialog dialog;
    QLineEdit* first = new QLineEdit(&dialog);
    QLineEdit* second = new QLineEdit(&dialog);
    QLineEdit* name = new QLineEdit(&dialog);
    int a = 1;
    int b = 2;
    QString text = QStringLiteral("abc");
    DataExchange exchange;

    explicit ThreeFields(int language = kEnglish) : exchange(&dialog, language) {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(first);
        layout->addWidget(second);
        layout->addWidget(name);
        exchange.bindInteger(first, &a, RangeCheck(0, 9));
        exchange.bindInteger(second, &b, ToolkitRangeCheck(0, 9));
        exchange.bindText(name, &text, 5);
        exchange.show();
    }
};

} // namespace

class DialogSupportTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { test_seam::RecordMessages(true); }

    void takeStopsAtTheFirstFailure_data() {
        QTest::addColumn<QString>("firstText");
        QTest::addColumn<QString>("secondText");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("failing"); // objectName of the field with the focus
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("toolkit");

        QTest::newRow("all good") << "4"
                                  << " 7 " << 2 << 4 << 7 << ""
                                  << "" << false;
        QTest::newRow("second out of the toolkit's range")
            << "4"
            << "12" << 2 << 4 << 12 << "second"
            << "“请填入一个在0和9之间的整数。”" << true;
        QTest::newRow("first out of range stops before second")
            << "10"
            << "5" << 2 << 10 << 2 << "first"
            << "Please enter an integer between 0 and 9!" << false;
        QTest::newRow("Chinese range message") << "10"
                                               << "5" << 1 << 10 << 2 << "first"
                                               << "请输入一个介于0和9之间的值!" << false;
        QTest::newRow("German shows English")
            << "10"
            << "5" << 3 << 10 << 2 << "first"
            << "Please enter an integer between 0 and 9!" << false;
        QTest::newRow("empty is not an integer, in every language") << ""
                                                                    << "5" << 3 << 1 << 2 << "first"
                                                                    << "请键入一个整数。" << true;
        QTest::newRow("not a number leaves the value") << "3"
                                                       << "x1" << 2 << 3 << 2 << "second"
                                                       << "请键入一个整数。" << true;
    }
    void takeStopsAtTheFirstFailure() {
        QFETCH(QString, firstText);
        QFETCH(QString, secondText);
        QFETCH(int, language);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, failing);
        QFETCH(QString, message);
        QFETCH(bool, toolkit);
        ThreeFields f(language);
        f.first->setObjectName(QStringLiteral("first"));
        f.second->setObjectName(QStringLiteral("second"));
        f.first->setText(firstText);
        f.second->setText(secondText);
        f.name->setText(QStringLiteral("xyz"));

        QCOMPARE(f.exchange.take(), failing.isEmpty());
        QCOMPARE(f.a, a);
        QCOMPARE(f.b, b);
        // The text after a failure is not read.
        QCOMPARE(f.text, failing.isEmpty() ? QStringLiteral("xyz") : QStringLiteral("abc"));
        const auto messages = test_seam::TakeMessages();
        if (failing.isEmpty()) {
            QVERIFY(messages.empty());
            return;
        }
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(messages[0].text, message);
        QCOMPARE(messages[0].toolkitPrompt, toolkit);
        auto* field = f.dialog.findChild<QLineEdit*>(failing);
        QCOMPARE(f.dialog.focusWidget(), field);
        QCOMPARE(field->selectedText(), field->text());
    }

    void showInstallsLimitsButKeepsLongValuesWhole() {
        ThreeFields f;
        QCOMPARE(f.name->maxLength(), 5);
        f.name->clear();
        QTest::keyClicks(f.name, QStringLiteral("abcdefgh"));
        QCOMPARE(f.name->text(), QStringLiteral("abcde"));

        f.text = QStringLiteral("a-much-longer-value");
        f.exchange.show();
        QCOMPARE(f.name->text(), f.text);
        QVERIFY(f.exchange.take());
        QCOMPARE(f.text, QStringLiteral("a-much-longer-value"));
    }

    void chooseFolderGivesTheDefaultWhenCancelled() {
#ifdef Q_OS_WIN
        QCOMPARE(DefaultFolder({}), QStringLiteral("C:\\"));
#else
        QCOMPARE(DefaultFolder({}), QDir::homePath());
#endif
        test_seam::PresetNextFolder(QString());
        QCOMPARE(ChooseFolder(DefaultFolder({}), {}), DefaultFolder({}));
        const QString deep = QStringLiteral("/media/card/") + QString(200, QLatin1Char('d'));
        test_seam::PresetNextFolder(deep);
        QCOMPARE(ChooseFolder(DefaultFolder({}), {}), QDir::toNativeSeparators(deep));
    }

    void catalogueTextGoesToControlsByIdentifier() {
        QDialog dialog;
        auto* label = new QLabel(&dialog);
        auto* edit = new QLineEdit(&dialog);
        auto* button = new QPushButton(&dialog);
        SetControlId(label, menu_id::ModeLabel, QStringLiteral("modeLabel"));
        SetControlId(edit, menu_id::VideoLength, QStringLiteral("videoLength"));
        SetControlId(button, menu_id::Generate, QStringLiteral("generate"));
        LabelControl(edit, label, QStringLiteral(" 1"));

        ApplyMenuCaptionsFor(dialog, 3);
        QCOMPARE(label->text(), QStringLiteral("Modus"));
        QCOMPARE(button->text(), QStringLiteral("Generieren"));
        QCOMPARE(edit->accessibleName(), QStringLiteral("Modus 1"));
        QCOMPARE(button->accessibleName(), QStringLiteral("Generieren"));
        QCOMPARE(FindControl(&dialog, menu_id::Generate), button);
        QCOMPARE(FindControl(&dialog, 4711), nullptr);
    }

    void fileTextsCountStoredBytesAndRefuseWhatTheCardCannotHold() {
#ifdef Q_OS_WIN
        QSKIP("the bytes depend on the machine's ANSI code page");
#endif
        // A Chinese system stores GBK, as Windows does.
        const QByteArray oldLocale = qgetenv("LC_ALL");
        qputenv("LC_ALL", "zh_CN.UTF-8");
        QDialog dialog;
        auto* field = new QLineEdit(&dialog);
        field->setAccessibleName(QStringLiteral("APN"));
        std::string bytes = "\xd6\xd0";
        DataExchange exchange(&dialog, kEnglish);
        exchange.bindFileText(field, &bytes, 5);
        exchange.show();
        QCOMPARE(field->text(), QStringLiteral("中"));

        field->clear();
        for (int i = 0; i < 3; ++i) { // two bytes each: the third does not fit
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QStringLiteral("国"),
                                Qt::NoModifier);
        }
        QCOMPARE(field->text(), QStringLiteral("国国"));
        QVERIFY(exchange.take());
        QCOMPARE(bytes, std::string("\xb9\xfa\xb9\xfa"));

        field->setText(QStringLiteral("ab") + QChar(0x0E01)); // Thai: no GBK character
        QVERIFY(!exchange.take());
        QCOMPARE(bytes, std::string("\xb9\xfa\xb9\xfa")); // never a '?' or a cut text
        const auto messages = test_seam::TakeMessages();
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(messages[0].text,
                 QStringLiteral("The character \"\u0E01\" in APN cannot be stored on the card"));
        qputenv("LC_ALL", oldLocale);
    }

    // A list is as wide as its longest entry when shown and follows its entries
    // after that, as a list told to follow them from the start does; what
    // changes between a first measure and the first show counts.
    void listWidthFollowsItsEntries_data() {
        QTest::addColumn<QStringList>("beforeShow");
        QTest::addColumn<QStringList>("afterShow"); // empty: left as it was
        QTest::addColumn<bool>("clearFirst");
        QTest::addColumn<QStringList>("addedOnceMeasured"); // before the first show

        const QStringList shortEntries{QStringLiteral("Off"), QStringLiteral("On")};
        const QStringList longEntries{QStringLiteral("Off"),
                                      QStringLiteral("A much longer entry than any before")};
        const QStringList none;
        QTest::newRow("filled before show") << longEntries << none << false << none;
        QTest::newRow("empty when shown") << none << none << false << none;
        QTest::newRow("a longer entry added after show")
            << shortEntries << longEntries << false << none;
        QTest::newRow("refilled shorter after show") << longEntries << shortEntries << true << none;
        QTest::newRow("refilled in Chinese after show")
            << shortEntries << QStringList{QStringLiteral("中国移动通信集团公司彩信")} << true
            << none;
        QTest::newRow("a longer entry added once measured, before show")
            << shortEntries << none << false << longEntries;
    }
    void listWidthFollowsItsEntries() {
        QFETCH(QStringList, beforeShow);
        QFETCH(QStringList, afterShow);
        QFETCH(bool, clearFirst);
        QFETCH(QStringList, addedOnceMeasured);

        QDialog dialog;
        ControlMap controls;
        QComboBox* list = ControlFactory(&dialog, controls).list(1, "list", nullptr);
        auto* following = new QComboBox(&dialog);
        following->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        auto* firstShow = new QComboBox(&dialog); // Qt's own measure at the first show
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(list);
        layout->addWidget(following);
        layout->addWidget(firstShow);
        for (QComboBox* box : {list, following, firstShow}) {
            box->addItems(beforeShow);
        }
        QCOMPARE(list->sizeHint(), following->sizeHint()); // asked before it shows
        for (QComboBox* box : {list, following, firstShow}) {
            box->addItems(addedOnceMeasured);
        }
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(list->sizeHint(), following->sizeHint());
        QCOMPARE(list->sizeHint(), firstShow->sizeHint());
        QCOMPARE(list->minimumSizeHint(), firstShow->minimumSizeHint());

        for (QComboBox* box : {list, following}) {
            if (clearFirst) {
                box->clear();
            }
            box->addItems(afterShow);
        }
        QCOMPARE(list->sizeHint(), following->sizeHint());
        QCOMPARE(list->minimumSizeHint(), following->minimumSizeHint());
        QTRY_COMPARE(list->width(), following->width());
    }

    // A list spanning its column is as high and as wide as a list Qt sizes to
    // twelve characters and an icon, whatever it holds, before and after it
    // shows, and takes the same width in its column.
    void spanningListSizedAsQtSizesIt_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("afterShow");
        QTest::addColumn<QString>("placeholder");

        QTest::newRow("empty") << QStringList{} << QStringList{} << QString();
        QTest::newRow("short entries") << QStringList{"Off", "On"} << QStringList{} << QString();
        QTest::newRow("an entry longer than the column")
            << QStringList{"Off"}
            << QStringList{QStringLiteral("A much longer operator name than twelve characters")}
            << QString();
        QTest::newRow("Chinese entries") << QStringList{QStringLiteral("中国移动通信集团公司彩信")}
                                         << QStringList{"On"} << QString();
        QTest::newRow("a placeholder wider than the column")
            << QStringList{} << QStringList{}
            << QStringLiteral("Choose the operator's connection first");
    }
    void spanningListSizedAsQtSizesIt() {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, afterShow);
        QFETCH(QString, placeholder);

        QDialog dialog;
        ControlMap controls;
        QComboBox* list = ControlFactory(&dialog, controls).list(1, "list", nullptr);
        SpanColumn(list);
        auto* qts = new QComboBox(&dialog);
        qts->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        qts->setMinimumContentsLength(12);
        qts->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        auto* layout = new QGridLayout(&dialog);
        layout->addWidget(new QLabel(QStringLiteral("Operator"), &dialog), 0, 0);
        layout->addWidget(list, 0, 1);
        layout->addWidget(new QLabel(QStringLiteral("APN"), &dialog), 1, 0);
        layout->addWidget(qts, 1, 1);
        const auto same = [&] {
            QCOMPARE(list->sizeHint(), qts->sizeHint());
            QCOMPARE(list->minimumSizeHint(), qts->minimumSizeHint());
            QCOMPARE(list->sizePolicy(), qts->sizePolicy());
        };
        for (QComboBox* box : {list, qts}) {
            box->addItems(entries);
            box->setPlaceholderText(placeholder);
        }
        same();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        same();
        for (QComboBox* box : {list, qts}) {
            box->addItems(afterShow);
        }
        same();
        QTRY_COMPARE(list->width(), qts->width());
        QCOMPARE(list->height(), qts->height());
    }

  private:
    static void ApplyMenuCaptionsFor(const QDialog& dialog, int language) {
        ApplyCaptions(ControlsById(&dialog), MenuLanguageTable(Family::Quill).captions, language);
    }
};

QTEST_MAIN(DialogSupportTest)
#include "dialog_support_test.moc"
