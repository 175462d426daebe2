#pragma once

// A guide beside the test program, where F1 looks first (as beside the tool in
// the build folder and the Windows packages), for as long as the object lives.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QUrl>

namespace rosmossel::testing {

class GuideBesideProgram {
  public:
    // Both editions, or the English one alone.
    explicit GuideBesideProgram(bool chinese = true) {
        const QStringList editions = chinese ? files() : files().mid(0, 1);
        made_ = QDir().mkpath(folder_);
        for (const QString& file : editions) {
            QFile guide(file);
            made_ = made_ && guide.open(QIODevice::WriteOnly);
        }
    }
    ~GuideBesideProgram() {
        for (const QString& file : files()) {
            QFile::remove(file);
        }
        QDir().rmdir(folder_);
    }
    GuideBesideProgram(const GuideBesideProgram&) = delete;
    GuideBesideProgram& operator=(const GuideBesideProgram&) = delete;

    bool made() const { return made_; }
    // The page F1 hands the browser for `section`; `prefix` "zh-" in Chinese.
    QUrl page(const char* section, const char* prefix = "") const {
        return QUrl::fromLocalFile(folder_ + QLatin1Char('/') + QLatin1String(prefix) +
                                   QLatin1String(section) + QStringLiteral(".html"));
    }

  private:
    QStringList files() const {
        return {folder_ + QStringLiteral("/guide.html"),
                folder_ + QStringLiteral("/guide.zh.html")};
    }

    QString folder_ = QCoreApplication::applicationDirPath() + QStringLiteral("/guide");
    bool made_ = false;
};

} // namespace rosmossel::testing
