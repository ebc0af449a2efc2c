#include "pages/TransferPage.h"

#include "pages/PageHeading.h"

CTransferPage::CTransferPage(CObrixApp&, QWidget* parent) : QWidget(parent)
{
    pageheading::fill(this, QStringLiteral("Transfer"), QStringLiteral("Move players between teams, swap players or whole teams, and copy teams into other leagues."));
}
