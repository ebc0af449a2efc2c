#include "pages/ComparePage.h"

CComparePage::CComparePage(CObrixApp&, QWidget* parent) : QWidget(parent) {}
