#pragma once

// The cards of a GUI test as the windows see them: a folder per card in a
// temporary folder, the stand-in card source, and the application's card
// watch over it, looking every 20 ms (a test needs no mount table notices).
// A test class derives from it, starts the watch in init() and stops it in
// cleanup().

#include "gui/dialogs/card_watch.h"
#include "support/fake_cards.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <memory>
#include <vector>

namespace rosmossel::testing {

class WatchedCards {
  protected:
    QTemporaryDir dir_;
    FakeCardSource cards_;
    std::unique_ptr<CardWatch> watch_;

    // No card in, the eject answered "ejected", the watch's first look done.
    void startWatch() {
        QVERIFY(dir_.isValid());
        cards_.put({});
        cards_.playEject({EjectOutcome::Ejected, {}});
        watch_ = std::make_unique<CardWatch>(cards_, nullptr, std::chrono::milliseconds(20));
        watch_->start();
        QVERIFY(watch_->waitForFirstLook(std::chrono::seconds(5)));
    }
    // The watcher ends once a held look ends; every card's folder goes.
    void stopWatch() {
        cards_.hold(false);
        watch_.reset();
        for (const QString& name :
             QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            QDir(dir_.filePath(name)).removeRecursively();
            QFile::remove(dir_.filePath(name));
        }
    }

    // Puts `cards` in (the others out) and waits until the watch has seen them.
    void insert(std::vector<Card> cards) {
        const std::vector<Card> expected = cards;
        cards_.put(std::move(cards));
        watch_->refresh();
        QTRY_VERIFY_WITH_TIMEOUT(watch_->cards() == expected, 2000);
    }
    // The folder of the card `name`, made where missing.
    QString root(const QString& name) const {
        QDir().mkpath(dir_.filePath(name));
        return QDir::toNativeSeparators(dir_.filePath(name));
    }
    // A FAT32 camera card named `name` in its folder, a device of its own.
    Card card(const QString& name, ReadOnly readOnly = ReadOnly::No) const {
        Card c = TestCard(root(name).toStdString(), name.toStdString());
        c.readOnly = readOnly;
        c.device = "/dev/" + name.toStdString();
        return c;
    }
};

} // namespace rosmossel::testing
