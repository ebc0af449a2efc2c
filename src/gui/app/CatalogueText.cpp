#include "app/CatalogueText.h"

#include "util/Translatable.h"

#include <QCoreApplication>

QString catalogueText(const char* scope, const char* text)
{
    return QCoreApplication::translate(scope, text);
}

std::string catalogueUtf8(const char* scope, const char* text)
{
    return catalogueText(scope, text).toStdString();
}

void installCatalogueLookup()
{
    setTextLookup(&catalogueUtf8);
}
