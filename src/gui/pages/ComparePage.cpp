#include "pages/ComparePage.h"

#include "pages/PageHeading.h"

CComparePage::CComparePage(CObrixApp&, QWidget* parent) : QWidget(parent)
{
    pageheading::fill(this, QStringLiteral("Compare"), QStringLiteral("Put two teams side by side and compare their players skill by skill."));
}
