#include "pages/StatsPage.h"

#include "pages/PageHeading.h"

CStatsPage::CStatsPage(CObrixApp&, QWidget* parent) : QWidget(parent)
{
    pageheading::fill(this, QStringLiteral("Stats"), QStringLiteral("List players by team or league, filter them by position and skills, print the list and write it as a text report."));
}
