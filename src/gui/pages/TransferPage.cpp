#include "pages/TransferPage.h"

CTransferPage::CTransferPage(CObrixApp&, QWidget* parent) : QWidget(parent) {}
