#include "gui/shell/toolkit_language.h"

#include "core/text/languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace rosmossel {
namespace {

// Qt's name for each interface language; English needs no catalogue.
const char* ToolkitLocale(int language) {
    const LanguageInfo* row = FindLanguage(language);
    return row != nullptr && *row->qtLocale != '\0' ? row->qtLocale : nullptr;
}

// Qt's Slovenian catalogue predates Qt 6, which moved the standard buttons'
// texts (OK, Yes, No, ...) from QDialogButtonBox to QPlatformTheme: look
// them up where an older catalogue has them.
class ToolkitTranslator final : public QTranslator {
  public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        QString text = QTranslator::translate(context, sourceText, disambiguation, n);
        if (text.isEmpty() && qstrcmp(context, "QPlatformTheme") == 0) {
            text = QTranslator::translate("QDialogButtonBox", sourceText, disambiguation, n);
        }
        return text;
    }
};

} // namespace

void UseToolkitLanguage(int language) {
    static QTranslator* installed = nullptr;
    if (installed != nullptr) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    const char* locale = ToolkitLocale(language);
    if (locale == nullptr) {
        return;
    }
    auto* translator = new ToolkitTranslator(QCoreApplication::instance());
    // qtbase_* holds the widgets' texts; Slovenian exists only as the older
    // qt_sl, which holds them all.
    for (const QString& folder :
         {QStringLiteral(":/translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        for (const char* catalogue : {"qtbase_", "qt_"}) {
            if (translator->load(QLatin1String(catalogue) + QLatin1String(locale), folder)) {
                QCoreApplication::installTranslator(translator);
                installed = translator;
                return;
            }
        }
    }
    delete translator; // not installed: Qt's texts stay English
}

} // namespace rosmossel
