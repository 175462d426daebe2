#include "platform/ini_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <limits>

namespace rosmossel {
namespace {

QString Key(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

IniPreferenceStore::IniPreferenceStore(QString path) : path_(std::move(path)) {}

IniPreferenceStore::~IniPreferenceStore() = default;

bool IniPreferenceStore::Open() {
    Close();
    const QFileInfo info(path_);
    if (path_.isEmpty() || !info.isFile() || !info.isReadable()) {
        return false;
    }
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    if (settings_->status() != QSettings::NoError) {
        settings_.reset();
        return false;
    }
    return true;
}

bool IniPreferenceStore::Create() {
    Close();
    if (path_.isEmpty() || !QDir().mkpath(QFileInfo(path_).absolutePath())) {
        return false;
    }
    // Append: never empties a file that appeared meanwhile.
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return false;
    }
    file.close();
    return Open();
}

void IniPreferenceStore::Close() {
    settings_.reset();
}

std::optional<QString> IniPreferenceStore::Read(std::string_view name) const {
    const QVariant value = settings_ ? settings_->value(Key(name)) : QVariant();
    return value.isValid() ? std::optional(value.toString()) : std::nullopt;
}

std::optional<std::uint32_t> IniPreferenceStore::ReadNumber(std::string_view name) {
    const std::optional<QString> value = Read(name);
    if (!value) {
        return std::nullopt;
    }
    // Any 32-bit number, also one written as negative by hand; text is not
    // a number.
    bool ok = false;
    const qlonglong number = value->trimmed().toLongLong(&ok, 10);
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(number);
}

bool IniPreferenceStore::WriteNumber(std::string_view name, std::uint32_t value) {
    return Write(name, QVariant::fromValue(value));
}

std::optional<std::string> IniPreferenceStore::ReadText(std::string_view name) {
    const std::optional<QString> value = Read(name);
    return value ? std::optional(value->toStdString()) : std::nullopt;
}

bool IniPreferenceStore::WriteText(std::string_view name, std::string_view text) {
    return Write(name, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

bool IniPreferenceStore::Write(std::string_view name, const QVariant& value) {
    if (!settings_ || !QFileInfo(path_).isWritable()) {
        return false;
    }
    settings_->setValue(Key(name), value);
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

QString UserPreferencesPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty()) {
        return {};
    }
    return folder + QStringLiteral("/rosmossel/preferences.ini");
}

} // namespace rosmossel
