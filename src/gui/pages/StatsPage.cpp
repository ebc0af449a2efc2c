#include "pages/StatsPage.h"

CStatsPage::CStatsPage(CObrixApp&, QWidget* parent) : QWidget(parent) {}
