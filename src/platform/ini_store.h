#pragma once

#include "core/session/preferences.h"

#include <QString>

#include <memory>

class QSettings;

namespace rosmossel {

// The preferences as an INI file: numbers as decimal numbers, the company
// entry as text. The file plays the part of the key: it exists or not.
class IniPreferenceStore final : public PreferenceStore {
  public:
    explicit IniPreferenceStore(QString path);
    ~IniPreferenceStore() override;

    bool Open() override;
    bool Create() override;
    void Close() override;
    std::optional<std::uint32_t> ReadNumber(std::string_view name) override;
    bool WriteNumber(std::string_view name, std::uint32_t value) override;
    std::optional<std::string> ReadText(std::string_view name) override;
    bool WriteText(std::string_view name, std::string_view text) override;

    const QString& path() const { return path_; }

  private:
    std::optional<QString> Read(std::string_view name) const;
    bool Write(std::string_view name, const QVariant& value);

    QString path_;
    std::unique_ptr<QSettings> settings_;
};

// The INI file in the user's configuration folder (XDG_CONFIG_HOME on Linux);
// empty when the platform names no such folder.
QString UserPreferencesPath();

} // namespace rosmossel
