#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace velkari {

namespace {

const char *const TranslatorName = "velkari-translator";

bool install(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(QLatin1String(TranslatorName));
    if (translator->load(locale, name, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

bool installTranslations(const QLocale &locale)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    const auto earlier = app->findChildren<QTranslator *>(QLatin1String(TranslatorName), Qt::FindDirectChildrenOnly);
    for (QTranslator *translator : earlier) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return install(locale, QStringLiteral("velkari"), QStringLiteral(":/i18n"));
}

} // namespace velkari
