#include "qt/lang/Language.h"

#include "core/text/Translate.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdlib>

namespace mirendo {

text::Language LanguageOfUser(const std::optional<text::Language>& option) {
    return text::ChooseLanguage(option, [](const char* name) -> const char* { return std::getenv(name); });
}

namespace {
// The catalogues installed, removed again by RemoveLanguage.
QList<QTranslator*> g_installed;
} // namespace

void InstallLanguage(text::Language language) {
    RemoveLanguage();
    const bool english = language == text::Language::English;
    // Parented to the application: they live as long as it does.
    auto* qtTexts = new QTranslator(QCoreApplication::instance());
    g_installed << qtTexts;
    if (qtTexts->load(QLocale(english ? QLocale::English : QLocale::Japanese), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    if (english) {
        auto* ours = new QTranslator(QCoreApplication::instance());
        g_installed << ours;
        if (ours->load(QStringLiteral(":/i18n/mirendo_en.qm")))
            QCoreApplication::installTranslator(ours);
    }
    text::SetTranslator([](const char* context, const char* source) {
        return QCoreApplication::translate(context, source).toStdString();
    });
}

void RemoveLanguage() {
    for (QTranslator* translator : std::as_const(g_installed)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    g_installed.clear();
    text::SetTranslator(nullptr);
}

} // namespace mirendo
