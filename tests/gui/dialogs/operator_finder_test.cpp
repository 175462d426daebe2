#include "../shell/modal_driver.h"
#include "core/mms/setup_file.h"
#include "core/session/session.h"
#include "core/smtp/smtp_file.h"
#include "core/text/mms_language_table.h"
#include "core/text/operator_texts.h"
#include "core/text/smtp_language_table.h"
#include "gui/shell/setup_dialogs.h"
#include "support/dialog_driver.h"
#include "support/recording_presenter.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <functional>
#include <memory>

using namespace rosmossel;
using namespace rosmossel::testing;

namespace {

// The owner's file: the only one that knows Acme, with values too long for
// the camera's fields in a second provider.
constexpr const char* kOwnersFile = R"(<?xml version="1.0" encoding="utf-8"?>
<serviceproviders format="2.0">
<country code="zz"><name>Acmeland</name>
  <provider><name>Acme Mobile</name><gsm><network-id mcc="999" mnc="01"/>
    <apn value="mms.acme"><usage type="mms"/><username>acme</username><password>secret</password>
      <mmsc>http://mmsc.acme.example/mms</mmsc><mmsproxy>10.20.30.40:8799</mmsproxy></apn>
    <apn value="web.acme"><usage type="internet"/><username>web</username><password>pw</password></apn>
  </gsm></provider>
  <provider><name>Longline</name><gsm><network-id mcc="999" mnc="02"/>
    <apn value="mms.long"><usage type="mms"/>
      <mmsc>http://a-very-long-mmsc-address.example.org/servlets/mms/path</mmsc></apn>
    <apn value="a-very-long-internet-apn-name.example.org"><usage type="internet"/></apn>
  </gsm></provider>
</country>
<country code="yy"><name>Betania</name>
  <provider><name>Beta Tel</name><gsm><network-id mcc="998" mnc="07"/>
    <apn value="mms.beta"><usage type="mms"/><mmsc>http://mms.beta.example</mmsc></apn>
  </gsm></provider>
</country>
</serviceproviders>
)";

// The tool's configuration folder, under a variable the test points.
#ifdef _WIN32
constexpr const char* kConfigVariable = "APPDATA";
const QString kToolFolder = QStringLiteral("Ros Mossel");
#else
constexpr const char* kConfigVariable = "XDG_CONFIG_HOME";
const QString kToolFolder = QStringLiteral("rosmossel");
#endif

Session session;

QStringList visibleRows(QWidget* finder) {
    auto* tree = finder->findChild<QTreeWidget*>(QStringLiteral("operatorList"));
    QStringList rows;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        if (!tree->topLevelItem(i)->isHidden()) {
            rows << tree->topLevelItem(i)->text(1) + "/" + tree->topLevelItem(i)->text(2);
        }
    }
    return rows;
}

// Types into the finder's search box and presses Use.
ModalDriver::Step searchAndUse(const QString& query) {
    return [query](QWidget* finder) {
        QTest::keyClicks(finder->findChild<QLineEdit*>(QStringLiteral("operatorSearch")), query);
        finder->findChild<QPushButton*>(QStringLiteral("useOperator"))->click();
    };
}

// A dialog of either job in manual mode, ready for Find operator.
struct Job {
    const char* what;
    std::function<std::unique_ptr<QDialog>()> open;
    int modeList;
    std::vector<int> boxes; // the boxes the finder fills, in the order given below
};

std::vector<Job> jobs() {
    return {
        {"MMS",
         [] { return std::unique_ptr<QDialog>(new CSedgeMmsDlg(session)); },
         mms_id::Mode,
         {mms_id::Url, mms_id::Apn, mms_id::Gateway, mms_id::Port, mms_id::Account,
          mms_id::Password}},
        {"GPRS",
         [] { return std::unique_ptr<QDialog>(new CSedgeSmtpDlg(session)); },
         smtp_id::Mode,
         {smtp_id::Apn, smtp_id::Account, smtp_id::GprsPassword}},
    };
}

// The job's dialog in manual mode, after Find operator... with `query` typed
// and Use pressed.
std::unique_ptr<QDialog> findAndUse(const Job& job, const QString& query,
                                    const QString& typedFirst = {}) {
    auto dialog = job.open();
    dialog->show();
    choose(dialog.get(), job.modeList, 1);
    if (!typedFirst.isEmpty()) {
        type(dialog.get(), job.boxes[1], typedFirst);
    }
    messageTexts();
    ModalDriver driver({searchAndUse(query)});
    press(dialog.get(), kFindOperatorId);
    return driver.finished() ? std::move(dialog) : nullptr;
}

QStringList shown(const QWidget* dialog, const std::vector<int>& ids) {
    QStringList texts;
    for (int id : ids) {
        texts << box(dialog, id)->text();
    }
    return texts;
}

} // namespace

class OperatorFinderTest : public QObject {
    Q_OBJECT

    QTemporaryDir config_;
    QTemporaryDir card_;

  private slots:
    void initTestCase() {
        QVERIFY(config_.isValid() && card_.isValid());
        // The owner's file comes first: read once, at the first Find operator.
        QVERIFY(QDir(config_.path()).mkpath(kToolFolder));
        QFile file(config_.filePath(kToolFolder + QStringLiteral("/serviceproviders.xml")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kOwnersFile);
        file.close();
        qputenv(kConfigVariable, QDir::toNativeSeparators(config_.path()).toUtf8());
    }

    void init() {
        session = Session{};
        test_seam::RecordMessages(true);
    }

    // Only manual mode offers the finder; the list narrows as the owner
    // types a country, a name or a network, sorted by country, then name.
    void listFiltersAsTyped() {
        const std::vector<Job> all = jobs();
        const Job& mms = all[0];
        auto dialog = mms.open();
        dialog->show();
        auto* find = FindControlAs<QPushButton>(dialog.get(), kFindOperatorId);
        QVERIFY(!find->isEnabled());
        choose(dialog.get(), mms.modeList, 1);
        QVERIFY(find->isEnabled());
        QCOMPARE(find->text(), QStringLiteral("Find operator..."));

        const struct {
            const char* typed;
            QStringList rows;
        } cases[] = {
            {"", {"Acme Mobile/mms.acme", "Longline/mms.long", "Beta Tel/mms.beta"}},
            {"acmeland", {"Acme Mobile/mms.acme", "Longline/mms.long"}},
            {"acmeland long", {"Longline/mms.long"}},
            {"998-07", {"Beta Tel/mms.beta"}},
            {"99901", {"Acme Mobile/mms.acme"}},
            {"nowhere", {}},
        };
        QStringList seen;
        bool useEnabledWithNoRow = true;
        ModalDriver driver({[&](QWidget* finder) {
            auto* search = finder->findChild<QLineEdit*>(QStringLiteral("operatorSearch"));
            for (const auto& c : cases) {
                search->clear();
                QTest::keyClicks(search, QString::fromUtf8(c.typed));
                seen << visibleRows(finder).join(QLatin1Char(','));
            }
            useEnabledWithNoRow =
                finder->findChild<QPushButton*>(QStringLiteral("useOperator"))->isEnabled();
            finder->close();
        }});
        find->click();
        QVERIFY(driver.finished());
        QCOMPARE(seen.size(), int(std::size(cases)));
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            QCOMPARE(seen[int(i)], cases[i].rows.join(QLatin1Char(',')));
        }
        QVERIFY(!useEnabledWithNoRow);
        QCOMPARE(shown(dialog.get(), mms.boxes), QStringList(6, QString())); // cancelled
    }

    // The row chosen fills the connection (the proxy split into gateway and
    // port), and Generate writes it.
    void choosingFillsTheFields() {
        const QStringList expected[] = {
            {"http://mmsc.acme.example/mms", "mms.acme", "10.20.30.40", "8799", "acme", "secret"},
            {"web.acme", "web", "pw"},
        };
        const std::vector<Job> all = jobs();
        for (std::size_t i = 0; i < all.size(); ++i) {
            const auto dialog = findAndUse(all[i], QStringLiteral("acme"));
            QVERIFY2(dialog, all[i].what);
            QCOMPARE(shown(dialog.get(), all[i].boxes), expected[i]);
            QCOMPARE(messageTexts(), QStringList());
        }

        // The bytes that land: the MMS dialog's setup.dat holds them.
        const auto dialog = findAndUse(all[0], QStringLiteral("999-01"));
        QVERIFY(dialog);
        type(dialog.get(), mms_id::PhoneNo, QStringLiteral("0123456789"));
        type(dialog.get(), mms_id::Email, QStringLiteral("me@example.org"));
        test_seam::PresetNextFolder(card_.path());
        press(dialog.get(), mms_id::Select);
        press(dialog.get(), mms_id::Generate);
        const QByteArray bytes = fileBytes(card_.path(), QStringLiteral("setup.dat"));
        const auto decoded = DecodeSetupFile(
            {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())},
            Family::Sedge);
        QVERIFY(decoded.settings);
        QCOMPARE(QString::fromStdString(decoded.settings->url), expected[0][0]);
        QCOMPARE(QString::fromStdString(decoded.settings->gateway), expected[0][2]);
        QCOMPARE(QString::fromStdString(decoded.settings->port), expected[0][3]);
        QCOMPARE(QString::fromStdString(decoded.settings->password), expected[0][5]);
    }

    // A value longer than its field is refused, naming the field, and
    // nothing is filled in: what was typed stays.
    void tooLongValueIsRefused() {
        const QString refused[] = {QStringLiteral("URL"), QStringLiteral("APN")};
        const std::vector<Job> all = jobs();
        for (std::size_t i = 0; i < all.size(); ++i) {
            const Job& job = all[i];
            const auto dialog =
                findAndUse(job, QStringLiteral("longline"), QStringLiteral("typed"));
            QVERIFY2(dialog, job.what);
            const QStringList messages = messageTexts();
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].contains(QStringLiteral("value for ") + refused[i] +
                                          QStringLiteral(" does not fit")),
                     qPrintable(messages[0]));
            QCOMPARE(box(dialog.get(), job.boxes[1])->text(), QStringLiteral("typed"));
            QCOMPARE(box(dialog.get(), job.boxes[0])->text(), QString());
        }
    }
};

QTEST_MAIN(OperatorFinderTest)
#include "operator_finder_test.moc"
