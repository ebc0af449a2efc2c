#include "app/CatalogueText.h"

#include "app/UiLanguage.h"
#include "util/Translatable.h"

#include <QCoreApplication>

QString catalogueText(const char* scope, const char* text)
{
    return QCoreApplication::translate(scope, text);
}

QString catalogueText(const char* scope, const char* text, int count)
{
    ensureEnglishCounts();
    return QCoreApplication::translate(scope, text, nullptr, count);
}

std::string catalogueUtf8(const char* scope, const char* text)
{
    return catalogueText(scope, text).toStdString();
}

std::string catalogueUtf8(const char* scope, const char* text, int count)
{
    return catalogueText(scope, text, count).toStdString();
}

void installCatalogueLookup()
{
    setTextLookup(&catalogueUtf8);
}
