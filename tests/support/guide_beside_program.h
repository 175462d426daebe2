#pragma once

// A guide beside the test program, where F1 looks first (as beside the tool in
// the build folder and the Windows packages), for as long as the object lives.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUrl>

namespace rosmossel::testing {

class GuideBesideProgram {
  public:
    GuideBesideProgram() {
        QFile guide(file());
        made_ = QDir().mkpath(folder_) && guide.open(QIODevice::WriteOnly);
    }
    ~GuideBesideProgram() {
        QFile::remove(file());
        QDir().rmdir(folder_);
    }
    GuideBesideProgram(const GuideBesideProgram&) = delete;
    GuideBesideProgram& operator=(const GuideBesideProgram&) = delete;

    bool made() const { return made_; }
    // The page F1 hands the browser for `section`.
    QUrl page(const char* section) const {
        return QUrl::fromLocalFile(folder_ + QLatin1Char('/') + QLatin1String(section) +
                                   QStringLiteral(".html"));
    }

  private:
    QString file() const { return folder_ + QStringLiteral("/guide.html"); }

    QString folder_ = QCoreApplication::applicationDirPath() + QStringLiteral("/guide");
    bool made_ = false;
};

} // namespace rosmossel::testing
